#include "tests/db/SeededSite.h"

namespace {

// The 27 tables of a site database with their columns in order (L Long, S Integer, B Byte,
// T Text or Memo, D Date).
const JetSqlTestTable kSiteTables[] = {
    {"Services",
     "DbID:L ServiceID:L StyleDbID:L StyleID:L Name:T ClientsDb:T ClientsProdDb:T ProductionPath:T "
     "ProductionAlias:T DevelopPath:T DevelopAlias:T WebMasterEmail:T Production_ftp_Address:T "
     "Production_ftp_User:T Production_ftp_Password:T Development_ftp_Address:T "
     "Development_ftp_User:T Development_ftp_Password:T LastChanged:D AuthorChangedDbID:L "
     "WhoChanged:L LastPublished:D PublishFlag:B NeverPublishFlag:B AuthorPublishedDbID:L "
     "WhoPublished:L ProductionUse_ftp:B DevelopmentUse_ftp:B Directory:T Deleted:B "
     "ProductionDatabasePath:T ProductionDomainName:T ftpDocRoot:T RemoteRoot:T"},
    {"Sections",
     "DbID:L SectionID:L LastChanged:D AuthorChangedDbID:L WhoChanged:L StyleDbID:L StyleID:L "
     "ServiceDbID:L ServiceID:L AccessControl:B Deleted:B SecureCGI:B OrderType:S DefaultDocDbID:L "
     "DefaultDocID:L SectionName:T SectionTitle:T BackImage:T LastPublished:D PublishFlag:B "
     "NeverPublishFlag:B AuthorPublishedDbID:L WhoPublished:L Directory:T"},
    {"Styles", "DbID:L StyleID:L AuthorPublishedDbID:L WhoPublished:L LastChanged:D "
               "AuthorChangedDbID:L WhoChanged:L ServiceDbID:L ServiceID:L StyleName:T "
               "BackImageDbID:L BackImageID:L LinkColor:T BackColor:T TextColor:T UsedLinkColor:T "
               "ActiveLinkColor:T LastPublished:D PublishFlag:B NeverPublishFlag:B Deleted:B"},
    {"Documents",
     "DbID:L DocID:L AuthorGenDbID:L StyleDbID:L StyleID:L ServiceDbID:L ServiceID:L SectionDbID:L "
     "SectionID:L SectionSequence:L ScriptBody:T FileName:T LastChanged:D AuthorChangedDbID:L "
     "WhoChanged:L LastGenerated:D LastPublished:D PublishFlag:B NeverPublishFlag:B "
     "VersionPublished:L AuthorPublishedDbID:L WhoPublished:L WhoGenerated:L VersionGenerated:L "
     "Dynamic:B GenerateFlag:B NeverGenerateFlag:B HasFrames:B AccessControl:B Deleted:B Title:T "
     "Keywords:T ParametersExpected:T RelativePath:T Directory:T Status:B Header:T"},
    {"Templates",
     "DbID:L TemplateID:L LastChanged:D AuthorChangedDbID:L WhoChanged:L LastPublished:D "
     "PublishFlag:B NeverPublishFlag:B AuthorPublishedDbID:L WhoPublished:L TemplateName:T "
     "ScriptBody:T ServiceDbID:L ServiceID:L ParametersExpected:T Deleted:B"},
    {"Forms",
     "DbID:L FormID:L ServiceDbID:L ServiceID:L ParametersExpected:T ScriptBody:T ActionBody:T "
     "Deleted:B Title:T LastChanged:D AuthorChangedDbID:L WhoChanged:L AuthorPublishedDbID:L "
     "WhoPublished:L LastPublished:D PublishFlag:B NeverPublishFlag:B"},
    {"MQ_Events",
     "DbID:L EventID:L LastChanged:D AuthorChangedDbID:L WhoChanged:L LastPublished:D "
     "PublishFlag:B NeverPublishFlag:B VersionPublished:L AuthorPublishedDbID:L WhoPublished:L "
     "Title:T ScriptBody:T ServiceDbID:L ServiceID:L Deleted:B Occurrence:B StartDate:D EndDate:D "
     "NoEndDate:B DayRepeat:B CycleRepeat:B RunTime:D DailyFrequency:B DailyStartTime:D "
     "DailyEndTime:D FrequencyMinutes:S AbsoluteDay:B OrdinalDay:B DayOfWeek:B LastExecuted:D"},
    {"MQ_Script", "DbID:L ScriptID:L ServiceDbID:L ServiceID:L SectionDbID:L SectionID:L Title:T "
                  "Language:T ScriptBody:T Type:T LastPublished:D PublishFlag:B NeverPublishFlag:B "
                  "VersionPublished:L Deleted:B AuthorPublishedDbID:L WhoPublished:L LastChanged:D "
                  "AuthorChangedDbID:L WhoChanged:L"},
    {"Messages", "DbID:L MessageID:L ServiceDbID:L ServiceID:L Body:T Title:T ToLine:T CcLine:T "
                 "SubjectLine:T FromLine:T ReplyTo:T Parameters:T LastPublished:D PublishFlag:B "
                 "NeverPublishFlag:B VersionPublished:L Deleted:B AuthorPublishedDbID:L "
                 "WhoPublished:L LastChanged:D AuthorChangedDbID:L WhoChanged:L"},
    {"Images", "DbID:L ImageID:L ServiceDbID:L ServiceID:L SectionDbID:L SectionID:L Name:T "
               "AlternateText:T Directory:T FileName:T ImageFileSize:L Width:S Height:S MapFile:T "
               "BorderWidth:S LastChanged:D AuthorChangedDbID:L WhoChanged:L LastPublished:D "
               "PublishFlag:B NeverPublishFlag:B AuthorPublishedDbID:L WhoPublished:L "
               "RelativePath:T HSpace:B VSpace:B MapDirectory:T Deleted:B"},
    {"PhotoImages",
     "DbID:L PhotoID:L ServiceDbID:L ServiceID:L SectionDbID:L SectionID:L Name:T Thumbnail:T "
     "Directory:T ThumbnailFileName:T FileName:T ImageFileSize:L ThumbnailWidth:S "
     "ThumbnailHeight:S LastChanged:D AuthorChangedDbID:L WhoChanged:L Keywords:T Photographer:T "
     "Bureau:T Caption:T Location:T DateTaken:D Copyright:T Overline:T DateTransmitted:D "
     "AlternateText:T Width:S Height:S MapFile:T BorderWidth:S AuthorPublishedDbID:L "
     "WhoPublished:L LastPublished:D PublishFlag:B NeverPublishFlag:B RelativePath:T HSpace:B "
     "VSpace:B MapDirectory:T Deleted:B Credits:T"},
    {"MQ_Media",
     "DbID:L MediaID:L ServiceDbID:L ServiceID:L SectionDbID:L SectionID:L Title:T FileName:T "
     "Directory:T LastPublished:D PublishFlag:B NeverPublishFlag:B VersionPublished:L Deleted:B "
     "AuthorPublishedDbID:L WhoPublished:L LastChanged:D AuthorChangedDbID:L WhoChanged:L"},
    {"MQ_ActiveX",
     "DbID:L ObjectID:L ServiceDbID:L ServiceID:L SectionDbID:L SectionID:L ClassID:T Name:T "
     "Title:T Data:T DataType:T Border:L Height:S Width:S HSpace:B VSpace:B NoTab:B Shapes:B "
     "StandBy:T LastPublished:D PublishFlag:B NeverPublishFlag:B VersionPublished:L Deleted:B "
     "AuthorPublishedDbID:L WhoPublished:L LastChanged:D AuthorChangedDbID:L WhoChanged:L"},
    {"MQ_Java",
     "DbID:L JavaID:L ServiceDbID:L ServiceID:L SectionDbID:L SectionID:L Directory:T Title:T "
     "Code:T AlternateText:T Height:S Width:S HSpace:B VSpace:B Download:S CodeBase:T "
     "LastPublished:D PublishFlag:B NeverPublishFlag:B VersionPublished:L Deleted:B "
     "AuthorPublishedDbID:L WhoPublished:L LastChanged:D AuthorChangedDbID:L WhoChanged:L"},
    {"Query", "DbID:L QueryID:L ServiceDbID:L ServiceID:L QueryType:B QueryName:T SQLName:T "
              "SQLCode:T ParametersExpected:T DSN:T DatabaseName:T ClientsProdDb:T LastChanged:D "
              "AuthorChangedDbID:L WhoChanged:L LastPublished:D PublishFlag:B NeverPublishFlag:B "
              "AuthorPublishedDbID:L WhoPublished:L Deleted:B"},
    {"MQ_Advertiser",
     "DbID:L AdvertiserID:L ServiceDbID:L ServiceID:L BusinessName:T ContactFirstName:T "
     "ContactLastName:T Email:T Phone:T LastChanged:D AuthorChangedDbID:L WhoChanged:L "
     "LastPublished:D PublishFlag:B NeverPublishFlag:B VersionPublished:L AuthorPublishedDbID:L "
     "WhoPublished:L Deleted:B"},
    {"MQ_Ad", "DbID:L AdID:L ServiceDbID:L ServiceID:L Title:T StartDate:D EndDate:D ImageDbID:L "
              "ImageID:L AdURL:T AdvertiserDbID:L AdvertiserID:L LastChanged:D AuthorChangedDbID:L "
              "WhoChanged:L LastPublished:D PublishFlag:B NeverPublishFlag:B VersionPublished:L "
              "AuthorPublishedDbID:L WhoPublished:L Deleted:B"},
    {"MQ_AdSpace",
     "DbID:L AdSpaceID:L Title:T DbID1:L AdID1:L DbID2:L AdID2:L DbID3:L AdID3:L DbID4:L AdID4:L "
     "DbID5:L AdID5:L DbID6:L AdID6:L DbID7:L AdID7:L DbID8:L AdID8:L DbID9:L AdID9:L DbID10:L "
     "AdID10:L AdPercent1:B AdPercent2:B AdPercent3:B AdPercent4:B AdPercent5:B AdPercent6:B "
     "AdPercent7:B AdPercent8:B AdPercent9:B AdPercent10:B ServiceDbID:L ServiceID:L LastChanged:D "
     "AuthorChangedDbID:L WhoChanged:L LastPublished:D PublishFlag:B NeverPublishFlag:B "
     "VersionPublished:L AuthorPublishedDbID:L WhoPublished:L Deleted:B"},
    {"Semaphor",
     "ObjDbID:L ObjKeyID:L ObjTypeID:L UserDbID:L UserID:L DateLocked:D SerializedID:T"},
    {"CurrentUsers", "UserDbID:L UserID:L Login:D"},
    {"Authors", "DbID:L AuthorID:L AuthorPassword:T Active:B Deleted:B AuthorName:T"},
    {"Marquill", "DbID:L VersionNumber:T Miscellaneous:T"},
    {"Dependents", "ObjDbID:L ObjKeyID:L ObjTypeID:L UseDbID:L UseKeyID:L UseTypeID:L"},
    {"ComponentsInstalled", "ComponentSrc:T ComponentTitle:T VersionNumber:L DatabaseLocation:T"},
    {"MQ_DynamicRequests",
     "RequestDate:D HTTP_Method:T RemoteClientIP:T UserName:T Full_URL:T Browser:T Response:T "
     "BytesTransferred:L DocDbID:L DocID:L ServiceDbID:L ServiceID:L"},
    {"MQ_PageImpressions",
     "AdSpaceDbID:L AdSpaceID:L AdDbID:L AdID:L DocDbID:L DocID:L WhenPosted:D"},
    {"MQ_ClickThroughs",
     "AdSpaceDbID:L AdSpaceID:L AdDbID:L AdID:L DocDbID:L DocID:L WhenPosted:D"},
};

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Insert(const std::string& table, const std::vector<std::string>& columns,
                   const std::vector<std::string>& values) {
    std::string names, list;
    for (size_t i = 0; i < columns.size(); ++i) {
        names += (i ? ", [" : "[") + columns[i] + "]";
        list += (i ? ", " : "") + values[i];
    }
    return "INSERT INTO [" + table + "] (" + names + ") VALUES (" + list + ")";
}

// One object row: the key in the second column, every other key column under the parent.
std::string ObjectRow(const std::string& table, long dbId, int key, bool deleted,
                      const std::string& text) {
    std::vector<std::string> columns = SiteCatalog().Columns(table), values;
    for (size_t i = 0; i < columns.size(); ++i) {
        const std::string& c = columns[i];
        JetParamType type = SiteCatalog().ColumnType(table, c);
        std::string v = "0";
        if (i == 1)
            v = std::to_string(key);
        else if (EndsWith(c, "DbID"))
            v = std::to_string(dbId);
        else if (c == "ServiceID" || c == "SectionID" || c == "StyleID" || c == "AdvertiserID")
            v = "10";
        else if (c == "Deleted" || c == "NeverPublishFlag")
            v = deleted ? "1" : "0";
        else if (c == "PublishFlag")
            v = deleted ? "0" : "1";
        else if (c == "GenerateFlag")
            v = "1";
        else if (type == JetParamType::Text)
            v = "'" + text + "'";
        else if (type == JetParamType::DateTime)
            v = "'1999-03-14 10:20:00'";
        values.push_back(v);
    }
    return Insert(table, columns, values);
}

} // namespace

const JetSqlTestCatalog& SiteCatalog() {
    static const JetSqlTestCatalog catalog(kSiteTables);
    return catalog;
}

std::vector<std::string> SeededSiteStatements(long dbId) {
    const std::string d = std::to_string(dbId);
    std::vector<std::string> sql;
    for (const JetSqlTestTable& t : kSiteTables) {
        if (SiteCatalog().Columns(t.name)[0] != "DbID" ||
            !SiteCatalog().HasColumn(t.name, "Deleted"))
            continue;
        sql.push_back(ObjectRow(t.name, dbId, 1, false, "Live"));
        sql.push_back(ObjectRow(t.name, dbId, 2, true, "Gone"));
    }
    sql.push_back(ObjectRow("Services", dbId, 10, false, "Site"));
    const std::vector<std::string> dependent = {"ObjDbID", "ObjKeyID", "ObjTypeID",
                                                "UseDbID", "UseKeyID", "UseTypeID"};
    for (int type : {2, 3, 4, 5, 13, 17, 18, 19, 20})
        for (const char* page : {"1", "1", "2"})
            sql.push_back(
                Insert("Dependents", dependent, {d, page, "2", d, "10", std::to_string(type)}));
    sql.push_back(
        Insert("CurrentUsers", {"UserDbID", "UserID", "Login"}, {d, "5", "'1999-03-14 10:20:00'"}));
    const std::vector<std::string> lock = {"ObjDbID", "ObjKeyID",   "ObjTypeID",   "UserDbID",
                                           "UserID",  "DateLocked", "SerializedID"};
    sql.push_back(Insert("Semaphor", lock, {d, "1", "2", d, "5", "NULL", "'a'"}));
    sql.push_back(Insert("Semaphor", lock, {d, "2", "2", d, "5", "NULL", "'b'"}));
    sql.push_back(Insert("Semaphor", lock, {d, "3", "2", d, "6", "NULL", "'c'"}));
    sql.push_back(Insert("ComponentsInstalled",
                         {"ComponentSrc", "ComponentTitle", "VersionNumber", "DatabaseLocation"},
                         {"'Zerin'", "'Kit'", "1", "'kit.mdb'"}));
    return sql;
}
