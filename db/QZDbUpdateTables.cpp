#include "db/QZDbUpdateTables.h"

// The site schema as data: every table's columns (name, type, size, default, required) and
// indexes, in the order the table creators make them; a column group stands for its columns in
// their fixed order. Every Text column is not required and allows zero length.

namespace {

using K = QZColumnDesc;

QZColumnDesc Zero(const char* name) {
    return {K::ZeroLong, name};
}
QZColumnDesc Long(const char* name, const char* defaultText, BOOL required = FALSE) {
    return {K::Long, name, defaultText, required};
}
QZColumnDesc Key(const char* name) {
    return {K::KeyId, name};
}
QZColumnDesc Text(const char* name, LONG size, const char* defaultText = "") {
    return {K::Text, name, defaultText, FALSE, size};
}
QZColumnDesc Memo(const char* name) {
    return {K::Memo, name};
}
QZColumnDesc Integer(const char* name, const char* defaultText, BOOL required = FALSE) {
    return {K::Integer, name, defaultText, required};
}
QZColumnDesc Byte(const char* name, const char* defaultText, BOOL required = FALSE) {
    return {K::Byte, name, defaultText, required};
}
QZColumnDesc Date(const char* name, const char* defaultText = "") {
    return {K::Date, name, defaultText};
}
QZColumnDesc Group(K::Kind kind) {
    return {kind};
}

} // namespace

const QZTableDesc& QZDbUpdateTables::Services() {
    static const QZTableDesc table{"Services",
                                   {Zero("DbID"),
                                    Key("ServiceID"),
                                    Group(K::StyleKey),
                                    Text("Name", 50, "New Service"),
                                    Text("ClientsDb", 255, "Clients"),
                                    Text("ClientsProdDb", 255, "ClientsProduction"),
                                    Text("ProductionPath", 100),
                                    Text("ProductionAlias", 50),
                                    Text("DevelopPath", 100),
                                    Text("DevelopAlias", 50),
                                    Text("WebMasterEmail", 50),
                                    Text("Production_ftp_Address", 20),
                                    Text("Production_ftp_User", 15),
                                    Text("Production_ftp_Password", 10),
                                    Text("Development_ftp_Address", 20),
                                    Text("Development_ftp_User", 15),
                                    Text("Development_ftp_Password", 10),
                                    Group(K::Changed),
                                    Group(K::Publish),
                                    Group(K::PublishedBy),
                                    Byte("ProductionUse_ftp", "0"),
                                    Byte("DevelopmentUse_ftp", "0"),
                                    Text("Directory", 30),
                                    Group(K::Deleted),
                                    Text("ProductionDatabasePath", 255),
                                    Text("ProductionDomainName", 50),
                                    Text("ftpDocRoot", 100),
                                    Text("RemoteRoot", 100)},
                                   {{"PK_Services", {"DbID", "ServiceID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Sections() {
    static const QZTableDesc table{
        "Sections",
        {Zero("DbID"), Key("SectionID"), Group(K::Changed), Group(K::StyleKey),
         Group(K::ServiceKey), Byte("AccessControl", "0", TRUE), Group(K::Deleted),
         Byte("SecureCGI", "0"), Integer("OrderType", "0"), Zero("DefaultDocDbID"),
         Zero("DefaultDocID"), Text("SectionName", 50, "New Section"),
         Text("SectionTitle", 100, "New Section"), Text("BackImage", 50), Group(K::Publish),
         Group(K::PublishedBy), Text("Directory", 30)},
        {{"PK_Sections", {"DbID", "SectionID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Styles() {
    static const QZTableDesc table{
        "Styles",
        {Zero("DbID"), Key("StyleID"), Group(K::PublishedBy), Group(K::Changed),
         Group(K::ServiceKey), Text("StyleName", 50, "New Style"), Zero("BackImageDbID"),
         Zero("BackImageID"), Text("LinkColor", 6), Text("BackColor", 6), Text("TextColor", 6),
         Text("UsedLinkColor", 6, "77077"), Text("ActiveLinkColor", 6), Group(K::Publish),
         Group(K::Deleted)},
        {{"PK_Style", {"DbID", "StyleID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Documents() {
    static const QZTableDesc table{"Documents",
                                   {Zero("DbID"),
                                    Key("DocID"),
                                    Zero("AuthorGenDbID"),
                                    Group(K::StyleKey),
                                    Group(K::ServiceKey),
                                    Group(K::SectionKey),
                                    Zero("SectionSequence"),
                                    Memo("ScriptBody"),
                                    Text("FileName", 30, "NewPage"),
                                    Group(K::Changed),
                                    Date("LastGenerated"),
                                    Group(K::PublishWithVersion),
                                    Group(K::PublishedBy),
                                    Zero("WhoGenerated"),
                                    Zero("VersionGenerated"),
                                    Byte("Dynamic", "0"),
                                    Byte("GenerateFlag", "0"),
                                    Byte("NeverGenerateFlag", "0"),
                                    Byte("HasFrames", "0"),
                                    Byte("AccessControl", "0", TRUE),
                                    Group(K::Deleted),
                                    Text("Title", 100, "New Page"),
                                    Text("Keywords", 255),
                                    Text("ParametersExpected", 255),
                                    Text("RelativePath", 60),
                                    Text("Directory", 30),
                                    Byte("Status", "0"),
                                    Memo("Header")},
                                   {{"PK_Documents", {"DbID", "DocID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Templates() {
    static const QZTableDesc table{
        "Templates",
        {Zero("DbID"), Key("TemplateID"), Group(K::Changed), Group(K::Publish),
         Group(K::PublishedBy), Text("TemplateName", 50, "New Macro"), Memo("ScriptBody"),
         Group(K::ServiceKey), Text("ParametersExpected", 255), Group(K::Deleted)},
        {{"PK_Template", {"DbID", "TemplateID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Forms() {
    static const QZTableDesc table{
        "Forms",
        {Zero("DbID"), Key("FormID"), Group(K::ServiceKey), Text("ParametersExpected", 255),
         Memo("ScriptBody"), Memo("ActionBody"), Group(K::Deleted), Text("Title", 50, "New Form"),
         Group(K::Changed), Group(K::PublishedBy), Group(K::Publish)},
        {{"PK_Forms", {"DbID", "FormID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Events() {
    static const QZTableDesc table{"MQ_Events",
                                   {Zero("DbID"),
                                    Key("EventID"),
                                    Group(K::Changed),
                                    Group(K::PublishWithVersion),
                                    Group(K::PublishedBy),
                                    Text("Title", 100, "New Event"),
                                    Memo("ScriptBody"),
                                    Group(K::ServiceKey),
                                    Group(K::Deleted),
                                    Byte("Occurrence", "0"),
                                    Date("StartDate", "0"),
                                    Date("EndDate", "0"),
                                    Byte("NoEndDate", "0"),
                                    Byte("DayRepeat", "0"),
                                    Byte("CycleRepeat", "0"),
                                    Date("RunTime", "0"),
                                    Byte("DailyFrequency", "0"),
                                    Date("DailyStartTime", "0"),
                                    Date("DailyEndTime", "0"),
                                    Integer("FrequencyMinutes", "0"),
                                    Byte("AbsoluteDay", "0"),
                                    Byte("OrdinalDay", "0"),
                                    Byte("DayOfWeek", "0"),
                                    Date("LastExecuted", "0")},
                                   {{"PK_Events", {"DbID", "EventID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Script() {
    static const QZTableDesc table{"MQ_Script",
                                   {Zero("DbID"), Key("ScriptID"), Group(K::ServiceKey),
                                    Group(K::SectionKey), Text("Title", 100, "New Script"),
                                    Text("Language", 30), Memo("ScriptBody"), Text("Type", 50),
                                    Group(K::PublishWithVersion), Group(K::Deleted),
                                    Group(K::PublishedBy), Group(K::Changed)},
                                   {{"PK_MQ_Script", {"DbID", "ScriptID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Messages() {
    static const QZTableDesc table{
        "Messages",
        {Zero("DbID"), Key("MessageID"), Zero("ServiceDbID"), Zero("ServiceID"), Memo("Body"),
         Text("Title", 50, "New Email"), Text("ToLine", 255), Text("CcLine", 255),
         Text("SubjectLine", 50), Text("FromLine", 50), Text("ReplyTo", 50),
         Text("Parameters", 255), Group(K::PublishWithVersion), Group(K::Deleted),
         Group(K::PublishedBy), Group(K::Changed)},
        {{"PK_Messages", {"DbID", "MessageID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Images() {
    static const QZTableDesc table{"Images",
                                   {Zero("DbID"),
                                    Key("ImageID"),
                                    Group(K::ServiceKey),
                                    Group(K::SectionKey),
                                    Text("Name", 100, "New Image"),
                                    Text("AlternateText", 255),
                                    Text("Directory", 30),
                                    Text("FileName", 30, "NewImage"),
                                    Zero("ImageFileSize"),
                                    Integer("Width", "0"),
                                    Integer("Height", "0"),
                                    Text("MapFile", 50),
                                    Integer("BorderWidth", "0"),
                                    Group(K::Changed),
                                    Group(K::Publish),
                                    Group(K::PublishedBy),
                                    Text("RelativePath", 60),
                                    Byte("HSpace", "0"),
                                    Byte("VSpace", "0"),
                                    Text("MapDirectory", 30),
                                    Group(K::Deleted)},
                                   {{"PK_Images", {"DbID", "ImageID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::PhotoImages() {
    static const QZTableDesc table{"PhotoImages",
                                   {Zero("DbID"),
                                    Key("PhotoID"),
                                    Group(K::ServiceKey),
                                    Group(K::SectionKey),
                                    Text("Name", 100, "New Photo"),
                                    Text("Thumbnail", 50),
                                    Text("Directory", 50),
                                    Text("ThumbnailFileName", 50),
                                    Text("FileName", 30, "Photo"),
                                    Zero("ImageFileSize"),
                                    Integer("ThumbnailWidth", "0"),
                                    Integer("ThumbnailHeight", "0"),
                                    Group(K::Changed),
                                    Text("Keywords", 255),
                                    Text("Photographer", 50),
                                    Text("Bureau", 50),
                                    Memo("Caption"),
                                    Text("Location", 50),
                                    Date("DateTaken"),
                                    Text("Copyright", 50),
                                    Text("Overline", 255),
                                    Date("DateTransmitted"),
                                    Text("AlternateText", 255),
                                    Integer("Width", "0"),
                                    Integer("Height", "0"),
                                    Text("MapFile", 50),
                                    Integer("BorderWidth", "0"),
                                    Group(K::PublishedBy),
                                    Group(K::Publish),
                                    Text("RelativePath", 60),
                                    Byte("HSpace", "0"),
                                    Byte("VSpace", "0"),
                                    Text("MapDirectory", 30),
                                    Group(K::Deleted),
                                    Text("Credits", 50)},
                                   {{"PK_Photo", {"DbID", "PhotoID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Media() {
    static const QZTableDesc table{
        "MQ_Media",
        {Zero("DbID"), Key("MediaID"), Group(K::ServiceKey), Group(K::SectionKey),
         Text("Title", 100, "New Media"), Text("FileName", 30), Text("Directory", 30),
         Group(K::PublishWithVersion), Group(K::Deleted), Group(K::PublishedBy), Group(K::Changed)},
        {{"PK_MQ_Media", {"DbID", "MediaID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::ActiveX() {
    static const QZTableDesc table{"MQ_ActiveX",
                                   {Zero("DbID"),
                                    Key("ObjectID"),
                                    Group(K::ServiceKey),
                                    Group(K::SectionKey),
                                    Text("ClassID", 50),
                                    Memo("Name"),
                                    Text("Title", 255, "New ActiveX"),
                                    Memo("Data"),
                                    Text("DataType", 50),
                                    Zero("Border"),
                                    Integer("Height", "0"),
                                    Integer("Width", "0"),
                                    Byte("HSpace", "0"),
                                    Byte("VSpace", "0"),
                                    Byte("NoTab", "0"),
                                    Byte("Shapes", "0"),
                                    Text("StandBy", 255),
                                    Group(K::PublishWithVersion),
                                    Group(K::Deleted),
                                    Group(K::PublishedBy),
                                    Group(K::Changed)},
                                   {{"PK_MQ_ActiveX", {"DbID", "ObjectID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Java() {
    static const QZTableDesc table{
        "MQ_Java",
        {Zero("DbID"), Key("JavaID"), Group(K::ServiceKey), Group(K::SectionKey),
         Text("Directory", 255), Text("Title", 100, "New Java"), Text("Code", 30),
         Text("AlternateText", 255), Integer("Height", "0"), Integer("Width", "0"),
         Byte("HSpace", "0"), Byte("VSpace", "0"), Integer("Download", "0"), Memo("CodeBase"),
         Group(K::PublishWithVersion), Group(K::Deleted), Group(K::PublishedBy), Group(K::Changed)},
        {{"PK_MQ_Java", {"DbID", "JavaID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Query() {
    static const QZTableDesc table{
        "Query",
        {Zero("DbID"), Key("QueryID"), Group(K::ServiceKey), Byte("QueryType", "0"),
         Text("QueryName", 50, "New Query"), Text("SQLName", 50), Memo("SQLCode"),
         Text("ParametersExpected", 255), Text("DSN", 50), Text("DatabaseName", 255, "Clients"),
         Text("ClientsProdDb", 255, "ClientProduction"), Group(K::Changed), Group(K::Publish),
         Group(K::PublishedBy), Group(K::Deleted)},
        {{"PK_Query", {"DbID", "QueryID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Advertiser() {
    static const QZTableDesc table{
        "MQ_Advertiser",
        {Zero("DbID"), Key("AdvertiserID"), Group(K::ServiceKey), Text("BusinessName", 50),
         Text("ContactFirstName", 20), Text("ContactLastName", 30), Text("Email", 75),
         Text("Phone", 15), Group(K::Changed), Group(K::PublishWithVersion), Group(K::PublishedBy),
         Group(K::Deleted)},
        {{"PK_Advertiser", {"DbID", "AdvertiserID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Ad() {
    static const QZTableDesc table{
        "MQ_Ad",
        {Zero("DbID"), Key("AdID"), Group(K::ServiceKey), Text("Title", 100, "New Ad"),
         Date("StartDate", "0"), Date("EndDate", "0"), Zero("ImageDbID"), Zero("ImageID"),
         Text("AdURL", 255, "Advertisement URL"), Zero("AdvertiserDbID"), Zero("AdvertiserID"),
         Group(K::Changed), Group(K::PublishWithVersion), Group(K::PublishedBy), Group(K::Deleted)},
        {{"PK_Ad", {"DbID", "AdID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::AdSpace() {
    static const QZTableDesc table{"MQ_AdSpace",
                                   {Zero("DbID"),
                                    Key("AdSpaceID"),
                                    Text("Title", 100, "New AdSpace"),
                                    Zero("DbID1"),
                                    Long("AdID1", ""),
                                    Zero("DbID2"),
                                    Long("AdID2", ""),
                                    Zero("DbID3"),
                                    Long("AdID3", ""),
                                    Zero("DbID4"),
                                    Long("AdID4", ""),
                                    Zero("DbID5"),
                                    Long("AdID5", ""),
                                    Zero("DbID6"),
                                    Long("AdID6", ""),
                                    Zero("DbID7"),
                                    Long("AdID7", ""),
                                    Zero("DbID8"),
                                    Long("AdID8", ""),
                                    Zero("DbID9"),
                                    Long("AdID9", ""),
                                    Zero("DbID10"),
                                    Long("AdID10", ""),
                                    Byte("AdPercent1", "0"),
                                    Byte("AdPercent2", "0"),
                                    Byte("AdPercent3", "0"),
                                    Byte("AdPercent4", "0"),
                                    Byte("AdPercent5", "0"),
                                    Byte("AdPercent6", "0"),
                                    Byte("AdPercent7", "0"),
                                    Byte("AdPercent8", "0"),
                                    Byte("AdPercent9", "0"),
                                    Byte("AdPercent10", "0"),
                                    Group(K::ServiceKey),
                                    Group(K::Changed),
                                    Group(K::PublishWithVersion),
                                    Group(K::PublishedBy),
                                    Group(K::Deleted)},
                                   {{"PK_AdSpace", {"DbID", "AdSpaceID"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Semaphor() {
    static const QZTableDesc table{
        "Semaphor",
        {Zero("ObjDbID"), Zero("ObjKeyID"), Zero("ObjTypeID"), Zero("UserDbID"), Zero("UserID"),
         Date("DateLocked"), Text("SerializedID", 30)},
        {{"PK_Semaphor", {"ObjDbID", "ObjKeyID", "ObjTypeID"}, TRUE, TRUE, TRUE},
         {"IDX_SerializedID", {"SerializedID"}, FALSE, FALSE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::CurrentUsers() {
    static const QZTableDesc table{
        "CurrentUsers", {Zero("UserDbID"), Long("UserID", ""), Date("Login")}, {}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Authors() {
    static const QZTableDesc table{"Authors",
                                   {Zero("DbID"), Key("AuthorID"), Text("AuthorPassword", 50),
                                    Byte("Active", "1", TRUE), Group(K::Deleted),
                                    Text("AuthorName", 50)},
                                   {}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Marquill() {
    static const QZTableDesc table{
        "Marquill", {Zero("DbID"), Text("VersionNumber", 10), Memo("Miscellaneous")}, {}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::Dependents() {
    static const QZTableDesc table{"Dependents",
                                   {Zero("ObjDbID"), Long("ObjKeyID", ""), Long("ObjTypeID", ""),
                                    Zero("UseDbID"), Long("UseKeyID", ""), Long("UseTypeID", "")},
                                   {}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::ComponentsInstalled() {
    static const QZTableDesc table{
        "ComponentsInstalled",
        {Text("ComponentSrc", 50, "Zerin"), Text("ComponentTitle", 50, "New Component"),
         Long("VersionNumber", "0", TRUE), Text("DatabaseLocation", 255)},
        {{"IDX_ComponentsInstalled", {"ComponentSrc", "ComponentTitle"}, TRUE, TRUE, TRUE}}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::DynamicRequests() {
    static const QZTableDesc table{"MQ_DynamicRequests",
                                   {Date("RequestDate", "Now()"), Text("HTTP_Method", 1, "G"),
                                    Text("RemoteClientIP", 255), Text("UserName", 255),
                                    Text("Full_URL", 255), Text("Browser", 255),
                                    Text("Response", 3), Long("BytesTransferred", ""),
                                    Long("DocDbID", ""), Long("DocID", ""), Group(K::ServiceKey)},
                                   {}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::PageImpressions() {
    static const QZTableDesc table{"MQ_PageImpressions",
                                   {Zero("AdSpaceDbID"), Long("AdSpaceID", ""), Zero("AdDbID"),
                                    Long("AdID", ""), Zero("DocDbID"), Long("DocID", ""),
                                    Date("WhenPosted", "Now()")},
                                   {}};
    return table;
}

const QZTableDesc& QZDbUpdateTables::ClickThroughs() {
    static const QZTableDesc table{"MQ_ClickThroughs",
                                   {Zero("AdSpaceDbID"), Long("AdSpaceID", ""), Zero("AdDbID"),
                                    Long("AdID", ""), Zero("DocDbID"), Long("DocID", ""),
                                    Date("WhenPosted", "Now()")},
                                   {}};
    return table;
}
