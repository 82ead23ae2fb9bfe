#include "db/QZDbUpdate.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every table of the site database as the schema gives it, column by column in order, with
// its indexes (fields joined by ";").
struct ExpectedColumn {
    const char* name;
    const char* type; // "Long", "key", "Text <n>", "Memo", "Byte", "Integer", "Date"
    const char* defaultText;
    bool required;
};

struct ExpectedIndex {
    const char* name;
    const char* fields;
    bool primary;
};

struct ExpectedTable {
    const char* name;
    std::vector<ExpectedColumn> columns;
    std::vector<ExpectedIndex> indexes;
};

const std::vector<ExpectedTable>& SiteSchema() {
    static const std::vector<ExpectedTable> tables = {
        {"Services",
         {{"DbID", "Long", "0", false},
          {"ServiceID", "key", "", false},
          {"StyleDbID", "Long", "0", false},
          {"StyleID", "Long", "0", false},
          {"Name", "Text 50", "New Service", false},
          {"ClientsDb", "Text 255", "Clients", false},
          {"ClientsProdDb", "Text 255", "ClientsProduction", false},
          {"ProductionPath", "Text 100", "", false},
          {"ProductionAlias", "Text 50", "", false},
          {"DevelopPath", "Text 100", "", false},
          {"DevelopAlias", "Text 50", "", false},
          {"WebMasterEmail", "Text 50", "", false},
          {"Production_ftp_Address", "Text 20", "", false},
          {"Production_ftp_User", "Text 15", "", false},
          {"Production_ftp_Password", "Text 10", "", false},
          {"Development_ftp_Address", "Text 20", "", false},
          {"Development_ftp_User", "Text 15", "", false},
          {"Development_ftp_Password", "Text 10", "", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"ProductionUse_ftp", "Byte", "0", false},
          {"DevelopmentUse_ftp", "Byte", "0", false},
          {"Directory", "Text 30", "", false},
          {"Deleted", "Byte", "0", true},
          {"ProductionDatabasePath", "Text 255", "", false},
          {"ProductionDomainName", "Text 50", "", false},
          {"ftpDocRoot", "Text 100", "", false},
          {"RemoteRoot", "Text 100", "", false}},
         {{"PK_Services", "DbID;ServiceID", true}}},
        {"Sections",
         {{"DbID", "Long", "0", false},
          {"SectionID", "key", "", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"StyleDbID", "Long", "0", false},
          {"StyleID", "Long", "0", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"AccessControl", "Byte", "0", true},
          {"Deleted", "Byte", "0", true},
          {"SecureCGI", "Byte", "0", false},
          {"OrderType", "Integer", "0", false},
          {"DefaultDocDbID", "Long", "0", false},
          {"DefaultDocID", "Long", "0", false},
          {"SectionName", "Text 50", "New Section", false},
          {"SectionTitle", "Text 100", "New Section", false},
          {"BackImage", "Text 50", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"Directory", "Text 30", "", false}},
         {{"PK_Sections", "DbID;SectionID", true}}},
        {"Styles",
         {{"DbID", "Long", "0", false},
          {"StyleID", "key", "", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"StyleName", "Text 50", "New Style", false},
          {"BackImageDbID", "Long", "0", false},
          {"BackImageID", "Long", "0", false},
          {"LinkColor", "Text 6", "", false},
          {"BackColor", "Text 6", "", false},
          {"TextColor", "Text 6", "", false},
          {"UsedLinkColor", "Text 6", "77077", false},
          {"ActiveLinkColor", "Text 6", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"Deleted", "Byte", "0", true}},
         {{"PK_Style", "DbID;StyleID", true}}},
        {"Documents",
         {{"DbID", "Long", "0", false},
          {"DocID", "key", "", false},
          {"AuthorGenDbID", "Long", "0", false},
          {"StyleDbID", "Long", "0", false},
          {"StyleID", "Long", "0", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"SectionDbID", "Long", "0", false},
          {"SectionID", "Long", "0", false},
          {"SectionSequence", "Long", "0", false},
          {"ScriptBody", "Memo", "", false},
          {"FileName", "Text 30", "NewPage", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastGenerated", "Date", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"WhoGenerated", "Long", "0", false},
          {"VersionGenerated", "Long", "0", false},
          {"Dynamic", "Byte", "0", false},
          {"GenerateFlag", "Byte", "0", false},
          {"NeverGenerateFlag", "Byte", "0", false},
          {"HasFrames", "Byte", "0", false},
          {"AccessControl", "Byte", "0", true},
          {"Deleted", "Byte", "0", true},
          {"Title", "Text 100", "New Page", false},
          {"Keywords", "Text 255", "", false},
          {"ParametersExpected", "Text 255", "", false},
          {"RelativePath", "Text 60", "", false},
          {"Directory", "Text 30", "", false},
          {"Status", "Byte", "0", false},
          {"Header", "Memo", "", false}},
         {{"PK_Documents", "DbID;DocID", true}}},
        {"Templates",
         {{"DbID", "Long", "0", false},
          {"TemplateID", "key", "", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"TemplateName", "Text 50", "New Macro", false},
          {"ScriptBody", "Memo", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"ParametersExpected", "Text 255", "", false},
          {"Deleted", "Byte", "0", true}},
         {{"PK_Template", "DbID;TemplateID", true}}},
        {"Forms",
         {{"DbID", "Long", "0", false},
          {"FormID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"ParametersExpected", "Text 255", "", false},
          {"ScriptBody", "Memo", "", false},
          {"ActionBody", "Memo", "", false},
          {"Deleted", "Byte", "0", true},
          {"Title", "Text 50", "New Form", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false}},
         {{"PK_Forms", "DbID;FormID", true}}},
        {"MQ_Events",
         {{"DbID", "Long", "0", false},
          {"EventID", "key", "", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"Title", "Text 100", "New Event", false},
          {"ScriptBody", "Memo", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"Deleted", "Byte", "0", true},
          {"Occurrence", "Byte", "0", false},
          {"StartDate", "Date", "0", false},
          {"EndDate", "Date", "0", false},
          {"NoEndDate", "Byte", "0", false},
          {"DayRepeat", "Byte", "0", false},
          {"CycleRepeat", "Byte", "0", false},
          {"RunTime", "Date", "0", false},
          {"DailyFrequency", "Byte", "0", false},
          {"DailyStartTime", "Date", "0", false},
          {"DailyEndTime", "Date", "0", false},
          {"FrequencyMinutes", "Integer", "0", false},
          {"AbsoluteDay", "Byte", "0", false},
          {"OrdinalDay", "Byte", "0", false},
          {"DayOfWeek", "Byte", "0", false},
          {"LastExecuted", "Date", "0", false}},
         {{"PK_Events", "DbID;EventID", true}}},
        {"MQ_Script",
         {{"DbID", "Long", "0", false},
          {"ScriptID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"SectionDbID", "Long", "0", false},
          {"SectionID", "Long", "0", false},
          {"Title", "Text 100", "New Script", false},
          {"Language", "Text 30", "", false},
          {"ScriptBody", "Memo", "", false},
          {"Type", "Text 50", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false}},
         {{"PK_MQ_Script", "DbID;ScriptID", true}}},
        {"Messages",
         {{"DbID", "Long", "0", false},
          {"MessageID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"Body", "Memo", "", false},
          {"Title", "Text 50", "New Email", false},
          {"ToLine", "Text 255", "", false},
          {"CcLine", "Text 255", "", false},
          {"SubjectLine", "Text 50", "", false},
          {"FromLine", "Text 50", "", false},
          {"ReplyTo", "Text 50", "", false},
          {"Parameters", "Text 255", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false}},
         {{"PK_Messages", "DbID;MessageID", true}}},
        {"Images",
         {{"DbID", "Long", "0", false},
          {"ImageID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"SectionDbID", "Long", "0", false},
          {"SectionID", "Long", "0", false},
          {"Name", "Text 100", "New Image", false},
          {"AlternateText", "Text 255", "", false},
          {"Directory", "Text 30", "", false},
          {"FileName", "Text 30", "NewImage", false},
          {"ImageFileSize", "Long", "0", false},
          {"Width", "Integer", "0", false},
          {"Height", "Integer", "0", false},
          {"MapFile", "Text 50", "", false},
          {"BorderWidth", "Integer", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"RelativePath", "Text 60", "", false},
          {"HSpace", "Byte", "0", false},
          {"VSpace", "Byte", "0", false},
          {"MapDirectory", "Text 30", "", false},
          {"Deleted", "Byte", "0", true}},
         {{"PK_Images", "DbID;ImageID", true}}},
        {"PhotoImages",
         {{"DbID", "Long", "0", false},
          {"PhotoID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"SectionDbID", "Long", "0", false},
          {"SectionID", "Long", "0", false},
          {"Name", "Text 100", "New Photo", false},
          {"Thumbnail", "Text 50", "", false},
          {"Directory", "Text 50", "", false},
          {"ThumbnailFileName", "Text 50", "", false},
          {"FileName", "Text 30", "Photo", false},
          {"ImageFileSize", "Long", "0", false},
          {"ThumbnailWidth", "Integer", "0", false},
          {"ThumbnailHeight", "Integer", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"Keywords", "Text 255", "", false},
          {"Photographer", "Text 50", "", false},
          {"Bureau", "Text 50", "", false},
          {"Caption", "Memo", "", false},
          {"Location", "Text 50", "", false},
          {"DateTaken", "Date", "", false},
          {"Copyright", "Text 50", "", false},
          {"Overline", "Text 255", "", false},
          {"DateTransmitted", "Date", "", false},
          {"AlternateText", "Text 255", "", false},
          {"Width", "Integer", "0", false},
          {"Height", "Integer", "0", false},
          {"MapFile", "Text 50", "", false},
          {"BorderWidth", "Integer", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"RelativePath", "Text 60", "", false},
          {"HSpace", "Byte", "0", false},
          {"VSpace", "Byte", "0", false},
          {"MapDirectory", "Text 30", "", false},
          {"Deleted", "Byte", "0", true},
          {"Credits", "Text 50", "", false}},
         {{"PK_Photo", "DbID;PhotoID", true}}},
        {"MQ_Media",
         {{"DbID", "Long", "0", false},
          {"MediaID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"SectionDbID", "Long", "0", false},
          {"SectionID", "Long", "0", false},
          {"Title", "Text 100", "New Media", false},
          {"FileName", "Text 30", "", false},
          {"Directory", "Text 30", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false}},
         {{"PK_MQ_Media", "DbID;MediaID", true}}},
        {"MQ_ActiveX",
         {{"DbID", "Long", "0", false},
          {"ObjectID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"SectionDbID", "Long", "0", false},
          {"SectionID", "Long", "0", false},
          {"ClassID", "Text 50", "", false},
          {"Name", "Memo", "", false},
          {"Title", "Text 255", "New ActiveX", false},
          {"Data", "Memo", "", false},
          {"DataType", "Text 50", "", false},
          {"Border", "Long", "0", false},
          {"Height", "Integer", "0", false},
          {"Width", "Integer", "0", false},
          {"HSpace", "Byte", "0", false},
          {"VSpace", "Byte", "0", false},
          {"NoTab", "Byte", "0", false},
          {"Shapes", "Byte", "0", false},
          {"StandBy", "Text 255", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false}},
         {{"PK_MQ_ActiveX", "DbID;ObjectID", true}}},
        {"MQ_Java",
         {{"DbID", "Long", "0", false},
          {"JavaID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"SectionDbID", "Long", "0", false},
          {"SectionID", "Long", "0", false},
          {"Directory", "Text 255", "", false},
          {"Title", "Text 100", "New Java", false},
          {"Code", "Text 30", "", false},
          {"AlternateText", "Text 255", "", false},
          {"Height", "Integer", "0", false},
          {"Width", "Integer", "0", false},
          {"HSpace", "Byte", "0", false},
          {"VSpace", "Byte", "0", false},
          {"Download", "Integer", "0", false},
          {"CodeBase", "Memo", "", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false}},
         {{"PK_MQ_Java", "DbID;JavaID", true}}},
        {"Query",
         {{"DbID", "Long", "0", false},
          {"QueryID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"QueryType", "Byte", "0", false},
          {"QueryName", "Text 50", "New Query", false},
          {"SQLName", "Text 50", "", false},
          {"SQLCode", "Memo", "", false},
          {"ParametersExpected", "Text 255", "", false},
          {"DSN", "Text 50", "", false},
          {"DatabaseName", "Text 255", "Clients", false},
          {"ClientsProdDb", "Text 255", "ClientProduction", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true}},
         {{"PK_Query", "DbID;QueryID", true}}},
        {"MQ_Advertiser",
         {{"DbID", "Long", "0", false},
          {"AdvertiserID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"BusinessName", "Text 50", "", false},
          {"ContactFirstName", "Text 20", "", false},
          {"ContactLastName", "Text 30", "", false},
          {"Email", "Text 75", "", false},
          {"Phone", "Text 15", "", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true}},
         {{"PK_Advertiser", "DbID;AdvertiserID", true}}},
        {"MQ_Ad",
         {{"DbID", "Long", "0", false},
          {"AdID", "key", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"Title", "Text 100", "New Ad", false},
          {"StartDate", "Date", "0", false},
          {"EndDate", "Date", "0", false},
          {"ImageDbID", "Long", "0", false},
          {"ImageID", "Long", "0", false},
          {"AdURL", "Text 255", "Advertisement URL", false},
          {"AdvertiserDbID", "Long", "0", false},
          {"AdvertiserID", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true}},
         {{"PK_Ad", "DbID;AdID", true}}},
        {"MQ_AdSpace",
         {{"DbID", "Long", "0", false},
          {"AdSpaceID", "key", "", false},
          {"Title", "Text 100", "New AdSpace", false},
          {"DbID1", "Long", "0", false},
          {"AdID1", "Long", "", false},
          {"DbID2", "Long", "0", false},
          {"AdID2", "Long", "", false},
          {"DbID3", "Long", "0", false},
          {"AdID3", "Long", "", false},
          {"DbID4", "Long", "0", false},
          {"AdID4", "Long", "", false},
          {"DbID5", "Long", "0", false},
          {"AdID5", "Long", "", false},
          {"DbID6", "Long", "0", false},
          {"AdID6", "Long", "", false},
          {"DbID7", "Long", "0", false},
          {"AdID7", "Long", "", false},
          {"DbID8", "Long", "0", false},
          {"AdID8", "Long", "", false},
          {"DbID9", "Long", "0", false},
          {"AdID9", "Long", "", false},
          {"DbID10", "Long", "0", false},
          {"AdID10", "Long", "", false},
          {"AdPercent1", "Byte", "0", false},
          {"AdPercent2", "Byte", "0", false},
          {"AdPercent3", "Byte", "0", false},
          {"AdPercent4", "Byte", "0", false},
          {"AdPercent5", "Byte", "0", false},
          {"AdPercent6", "Byte", "0", false},
          {"AdPercent7", "Byte", "0", false},
          {"AdPercent8", "Byte", "0", false},
          {"AdPercent9", "Byte", "0", false},
          {"AdPercent10", "Byte", "0", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false},
          {"LastChanged", "Date", "Now()", false},
          {"AuthorChangedDbID", "Long", "0", false},
          {"WhoChanged", "Long", "0", false},
          {"LastPublished", "Date", "", false},
          {"PublishFlag", "Byte", "0", false},
          {"NeverPublishFlag", "Byte", "0", false},
          {"VersionPublished", "Long", "0", false},
          {"AuthorPublishedDbID", "Long", "0", false},
          {"WhoPublished", "Long", "0", false},
          {"Deleted", "Byte", "0", true}},
         {{"PK_AdSpace", "DbID;AdSpaceID", true}}},
        {"Semaphor",
         {{"ObjDbID", "Long", "0", false},
          {"ObjKeyID", "Long", "0", false},
          {"ObjTypeID", "Long", "0", false},
          {"UserDbID", "Long", "0", false},
          {"UserID", "Long", "0", false},
          {"DateLocked", "Date", "", false},
          {"SerializedID", "Text 30", "", false}},
         {{"PK_Semaphor", "ObjDbID;ObjKeyID;ObjTypeID", true},
          {"IDX_SerializedID", "SerializedID", false}}},
        {"CurrentUsers",
         {{"UserDbID", "Long", "0", false},
          {"UserID", "Long", "", false},
          {"Login", "Date", "", false}},
         {}},
        {"Authors",
         {{"DbID", "Long", "0", false},
          {"AuthorID", "key", "", false},
          {"AuthorPassword", "Text 50", "", false},
          {"Active", "Byte", "1", true},
          {"Deleted", "Byte", "0", true},
          {"AuthorName", "Text 50", "", false}},
         {}},
        {"Marquill",
         {{"DbID", "Long", "0", false},
          {"VersionNumber", "Text 10", "", false},
          {"Miscellaneous", "Memo", "", false}},
         {}},
        {"Dependents",
         {{"ObjDbID", "Long", "0", false},
          {"ObjKeyID", "Long", "", false},
          {"ObjTypeID", "Long", "", false},
          {"UseDbID", "Long", "0", false},
          {"UseKeyID", "Long", "", false},
          {"UseTypeID", "Long", "", false}},
         {}},
        {"ComponentsInstalled",
         {{"ComponentSrc", "Text 50", "Zerin", false},
          {"ComponentTitle", "Text 50", "New Component", false},
          {"VersionNumber", "Long", "0", true},
          {"DatabaseLocation", "Text 255", "", false}},
         {{"IDX_ComponentsInstalled", "ComponentSrc;ComponentTitle", true}}},
        {"MQ_DynamicRequests",
         {{"RequestDate", "Date", "Now()", false},
          {"HTTP_Method", "Text 1", "G", false},
          {"RemoteClientIP", "Text 255", "", false},
          {"UserName", "Text 255", "", false},
          {"Full_URL", "Text 255", "", false},
          {"Browser", "Text 255", "", false},
          {"Response", "Text 3", "", false},
          {"BytesTransferred", "Long", "", false},
          {"DocDbID", "Long", "", false},
          {"DocID", "Long", "", false},
          {"ServiceDbID", "Long", "0", false},
          {"ServiceID", "Long", "0", false}},
         {}},
        {"MQ_PageImpressions",
         {{"AdSpaceDbID", "Long", "0", false},
          {"AdSpaceID", "Long", "", false},
          {"AdDbID", "Long", "0", false},
          {"AdID", "Long", "", false},
          {"DocDbID", "Long", "0", false},
          {"DocID", "Long", "", false},
          {"WhenPosted", "Date", "Now()", false}},
         {}},
        {"MQ_ClickThroughs",
         {{"AdSpaceDbID", "Long", "0", false},
          {"AdSpaceID", "Long", "", false},
          {"AdDbID", "Long", "0", false},
          {"AdID", "Long", "", false},
          {"DocDbID", "Long", "0", false},
          {"DocID", "Long", "", false},
          {"WhenPosted", "Date", "Now()", false}},
         {}},
    };
    return tables;
}

// The column as the database reports it: type, size and attributes by the schema's type,
// key columns by the auto-number flag.
struct DaoColumn {
    short type;
    LONG size;
    LONG attributes;
    BOOL allowZeroLength;
    std::string defaultText;
};

DaoColumn Expect(const ExpectedColumn& column, bool autoNumber) {
    std::string type = column.type;
    if (type == "key")
        return autoNumber ? DaoColumn{dbLong, 4, 49, FALSE, ""}
                          : DaoColumn{dbLong, 4, 33, FALSE, "0"};
    if (type == "Long")
        return {dbLong, 4, 33, FALSE, column.defaultText};
    if (type == "Byte")
        return {dbByte, 1, 33, FALSE, column.defaultText};
    if (type == "Integer")
        return {dbInteger, 2, 33, FALSE, column.defaultText};
    if (type == "Date")
        return {dbDate, 8, 33, FALSE, column.defaultText};
    if (type == "Memo")
        return {dbMemo, 0, 34, TRUE, column.defaultText};
    return {dbText, std::stoi(type.substr(5)), 34, TRUE, column.defaultText};
}

class DbUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("mq.mdb");
        db.Create(path.c_str(), dbLangGeneral);
        update.BeginSchema(&db, 0);
    }
    void TearDown() override { QZDbUpdate::SetDatabaseUnderConstruction(nullptr); }

    // Adds a row to the table with only the given values; returns the new row's values.
    CDaoRecordset* AddRow(const char* table,
                          std::initializer_list<std::pair<const char*, LONG>> values) {
        auto* set = new CDaoRecordset(&db);
        sets.emplace_back(set);
        set->Open(dbOpenDynaset, table);
        set->AddNew();
        for (const auto& value : values)
            set->SetFieldValue(value.first, COleVariant(value.second));
        set->Update();
        set->SetBookmark(set->GetLastModifiedBookmark());
        return set;
    }

    // Appends a table of the given name with one Long column "A", outside the schema.
    void AddOneColumnTable(const char* name) {
        CDaoTableDef table(&db);
        table.Create(name);
        table.CreateField("A", dbLong, 4);
        table.Append();
    }

    TempDir dir;
    std::string path;
    CDaoDatabase db;
    QZDbUpdate update;
    MessageBoxRecorder boxes;
    std::vector<std::unique_ptr<CDaoRecordset>> sets;
};

class DbUpdateSchemaTest : public DbUpdateTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DbUpdateSchemaTest, CreateTablesMakesEveryTableAsTheSchemaGivesIt) {
    update.BeginSchema(&db, GetParam());
    ASSERT_EQ(1, update.CreateTables());
    EXPECT_TRUE(boxes.shown().empty());
    ASSERT_EQ(27u, SiteSchema().size());
    for (const ExpectedTable& expected : SiteSchema()) {
        SCOPED_TRACE(expected.name);
        CDaoTableDef table(&db);
        table.Open(expected.name);
        EXPECT_EQ(CString(expected.name), table.GetName());
        ASSERT_EQ(static_cast<short>(expected.columns.size()), table.GetFieldCount());
        for (size_t i = 0; i < expected.columns.size(); ++i) {
            const ExpectedColumn& column = expected.columns[i];
            SCOPED_TRACE(column.name);
            DaoColumn dao = Expect(column, GetParam());
            CDaoFieldInfo info;
            table.GetFieldInfo(static_cast<int>(i), info, AFX_DAO_ALL_INFO);
            EXPECT_EQ(CString(column.name), info.m_strName);
            EXPECT_EQ(dao.type, info.m_nType);
            EXPECT_EQ(dao.size, info.m_lSize);
            EXPECT_EQ(dao.attributes, info.m_lAttributes);
            EXPECT_EQ(column.required ? TRUE : FALSE, info.m_bRequired);
            EXPECT_EQ(dao.allowZeroLength, info.m_bAllowZeroLength);
            EXPECT_EQ(CString(dao.defaultText.c_str()), info.m_strDefaultValue);
            EXPECT_EQ(static_cast<short>(i), info.m_nOrdinalPosition);
            EXPECT_EQ(dbSortGeneral, info.m_lCollatingOrder);
        }
        ASSERT_EQ(static_cast<short>(expected.indexes.size()), table.GetIndexCount());
        for (size_t i = 0; i < expected.indexes.size(); ++i) {
            CDaoIndexInfo index;
            table.GetIndexInfo(static_cast<int>(i), index);
            EXPECT_EQ(CString(expected.indexes[i].name), index.m_strName);
            CString fields;
            for (short f = 0; f < index.m_nFields; ++f) {
                fields += (f ? ";" : "") + index.m_pFieldInfos[f].m_strName;
                EXPECT_FALSE(index.m_pFieldInfos[f].m_bDescending);
            }
            EXPECT_EQ(CString(expected.indexes[i].fields), fields);
            EXPECT_EQ(expected.indexes[i].primary ? TRUE : FALSE, index.m_bPrimary);
            EXPECT_EQ(expected.indexes[i].primary ? TRUE : FALSE, index.m_bUnique);
            EXPECT_TRUE(index.m_bRequired);
            EXPECT_FALSE(index.m_bClustered || index.m_bIgnoreNulls || index.m_bForeign);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AutoNumberFlag, DbUpdateSchemaTest, ::testing::Values(true, false));

TEST_F(DbUpdateTest, KeyColumnsAreNumberedWithTheFlagSetAndZeroWithItClear) {
    update.BeginSchema(&db, 1);
    ASSERT_EQ(1, update.CreateTables());
    EXPECT_EQ(1, AddRow("Documents", {{"DbID", 5}})->GetFieldValue("DocID").lVal);
    EXPECT_EQ(2, AddRow("Documents", {{"DbID", 5}})->GetFieldValue("DocID").lVal);
    EXPECT_EQ(1, AddRow("Authors", {{"DbID", 5}})->GetFieldValue("AuthorID").lVal);
    update.BeginSchema(&db, 0);
    ASSERT_EQ(1, update.CreateTables());
    EXPECT_EQ(0, AddRow("Documents", {{"DbID", 5}})->GetFieldValue("DocID").lVal);
    EXPECT_EQ(daoErrDuplicateKey, CatchDaoError([&] { AddRow("Documents", {{"DbID", 5}}); }));
    EXPECT_EQ(0, CatchDaoError([&] { AddRow("Documents", {{"DbID", 6}}); }));
}

TEST_F(DbUpdateTest, ANewRowTakesTheDefaultsOfItsTable) {
    update.BeginSchema(&db, 1);
    ASSERT_EQ(1, update.CreateTables());
    COleDateTime before = COleDateTime::GetCurrentTime();
    CDaoRecordset* page = AddRow("Documents", {{"DbID", 5}});
    EXPECT_EQ(CString("New Page"), page->GetFieldValue("Title").bstrVal);
    EXPECT_EQ(CString("NewPage"), page->GetFieldValue("FileName").bstrVal);
    COleVariant changed = page->GetFieldValue("LastChanged");
    ASSERT_EQ(VT_DATE, changed.vt);
    EXPECT_LE((COleDateTime(changed.date) - before).GetTotalSeconds(), 5.0);
    EXPECT_GE((COleDateTime(changed.date) - before).GetTotalSeconds(), -1.0);
    EXPECT_EQ(VT_NULL, page->GetFieldValue("LastGenerated").vt);
    EXPECT_EQ(VT_NULL, page->GetFieldValue("LastPublished").vt);
    for (const char* flag : {"PublishFlag", "NeverPublishFlag", "Deleted", "AccessControl"})
        EXPECT_EQ(0, page->GetFieldValue(flag).bVal) << flag;
    struct Default {
        const char* table;
        const char* column;
        const char* text;
    };
    for (const Default& d : {Default{"Styles", "UsedLinkColor", "77077"},
                             Default{"Query", "ClientsProdDb", "ClientProduction"},
                             Default{"Services", "ClientsProdDb", "ClientsProduction"},
                             Default{"MQ_DynamicRequests", "HTTP_Method", "G"}})
        EXPECT_EQ(CString(d.text), AddRow(d.table, {})->GetFieldValue(d.column).bstrVal)
            << d.table << "." << d.column;
    CDaoRecordset* component = AddRow("ComponentsInstalled", {});
    EXPECT_EQ(CString("Zerin"), component->GetFieldValue("ComponentSrc").bstrVal);
    EXPECT_EQ(CString("New Component"), component->GetFieldValue("ComponentTitle").bstrVal);
    CDaoRecordset* events = AddRow("MQ_Events", {{"DbID", 5}});
    EXPECT_EQ(COleDateTime(1899, 12, 30, 0, 0, 0),
              COleDateTime(events->GetFieldValue("StartDate").date));
    CDaoRecordset* space = AddRow("MQ_AdSpace", {{"DbID", 5}});
    EXPECT_EQ(0, space->GetFieldValue("DbID10").lVal);
    EXPECT_EQ(VT_NULL, space->GetFieldValue("AdID10").vt);
    EXPECT_EQ(1, AddRow("Authors", {})->GetFieldValue("Active").bVal);
}

TEST_F(DbUpdateTest, RequiredColumnsAndKeysRefuseWhatTheSchemaForbids) {
    update.BeginSchema(&db, 0);
    ASSERT_EQ(1, update.CreateTables());
    struct Case {
        const char* sql;
        LONG error;
    };
    const Case cases[] = {
        {"INSERT INTO Documents (DbID, Deleted) VALUES (1, NULL)", daoErrRequiredNull},
        {"INSERT INTO Sections (DbID, AccessControl) VALUES (1, NULL)", daoErrRequiredNull},
        {"INSERT INTO Authors (Active) VALUES (NULL)", daoErrRequiredNull},
        {"INSERT INTO ComponentsInstalled (VersionNumber) VALUES (NULL)", daoErrRequiredNull},
        {"INSERT INTO Marquill (VersionNumber) VALUES ('1.300000001')", daoErrFieldTooSmall},
        {"INSERT INTO Semaphor (ObjDbID, ObjKeyID, ObjTypeID) VALUES (1, 2, 3)", daoErrIndexNull},
        {"INSERT INTO Semaphor (ObjDbID, SerializedID) VALUES (1, 'x')", 0},
        {"INSERT INTO Semaphor (ObjDbID, SerializedID) VALUES (1, 'x')", daoErrDuplicateKey},
        {"INSERT INTO Semaphor (ObjDbID, ObjTypeID, SerializedID) VALUES (1, 2, 'x')", 0},
        {"INSERT INTO ComponentsInstalled (ComponentTitle) VALUES ('A')", 0},
        {"INSERT INTO ComponentsInstalled (ComponentTitle) VALUES ('a')", daoErrDuplicateKey},
        {"INSERT INTO CurrentUsers (UserDbID) VALUES (1)", 0},
        {"INSERT INTO CurrentUsers (UserDbID) VALUES (1)", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.error, CatchDaoError([&] { db.Execute(c.sql); })) << c.sql;
}

TEST_F(DbUpdateTest, RunningAgainEmptiesTheTablesAndLeavesOthersAlone) {
    update.BeginSchema(&db, 1);
    ASSERT_EQ(1, update.CreateTables());
    AddRow("Documents", {{"DbID", 5}});
    AddOneColumnTable("Extra");
    db.Execute("INSERT INTO Extra (A) VALUES (1)");
    sets.clear();
    ASSERT_EQ(1, update.CreateTables());
    EXPECT_TRUE(boxes.shown().empty());
    CDaoTableDef documents(&db);
    documents.Open("Documents");
    EXPECT_EQ(0, documents.GetRecordCount());
    CDaoTableDef kept(&db);
    kept.Open("Extra");
    EXPECT_EQ(1, kept.GetRecordCount());
}

TEST_F(DbUpdateTest, AFailingCreatorShowsItsMessageAndTheOthersStillRun) {
    update.BeginSchema(&db, 1);
    // A table whose name differs only in letter case is not dropped, and the new one cannot be
    // appended beside it; a stored query holds the name of another table.
    AddOneColumnTable("documents");
    ASSERT_EQ(1, update.CreateQueryDef("MQ_Events", "SELECT * FROM documents", &db));
    CDaoQueryDef blocker(&db);
    blocker.Create("Forms", "SELECT * FROM documents");
    blocker.Append();
    EXPECT_EQ(0, update.CreateTables());
    EXPECT_EQ((std::vector<std::string>{"Error creating Documents!", "Error creating Forms!",
                                        "Error creating Events!"}),
              boxes.texts());
    EXPECT_EQ(1, update.TableExists(&db, "documents"));
    EXPECT_EQ(0, update.TableExists(&db, "Documents"));
    EXPECT_EQ(0, update.TableExists(&db, "Forms"));
    EXPECT_EQ(0, update.TableExists(&db, "MQ_Events"));
    for (const char* table : {"Authors", "MQ_AdSpace", "Semaphor", "Templates"})
        EXPECT_EQ(1, update.TableExists(&db, table)) << table;
}

TEST_F(DbUpdateTest, ATableWhoseKeyCannotBeMadeIsDroppedAndCountsAsFailed) {
    update.BeginSchema(&db, 1);
    AddOneColumnTable("Extra");
    // An index of the engine already holds the name the key of Semaphor gets.
    db.Execute("CREATE INDEX \"Semaphor.PK_Semaphor\" ON Extra (A)");
    EXPECT_EQ(0, update.CreateTables());
    EXPECT_EQ((std::vector<std::string>{"Error creating Semaphors!"}), boxes.texts());
    EXPECT_EQ(0, update.TableExists(&db, "Semaphor"));
    EXPECT_EQ(1, update.TableExists(&db, "Services"));
}

TEST_F(DbUpdateTest, PublishGroupMakesThreeOrFourColumns) {
    for (BOOL withVersion : {FALSE, TRUE}) {
        CDaoTableDef* table = update.GetTableDef();
        table->Create(withVersion ? "WithVersion" : "WithoutVersion");
        ASSERT_EQ(1, update.AddPublishFields(withVersion));
        EXPECT_EQ(withVersion ? 4 : 3, table->GetFieldCount());
        table->Close();
    }
}

TEST_F(DbUpdateTest, ExistenceTestsAndQueryReplacement) {
    EXPECT_EQ(0, update.QueryDefExists(&db, "MQ_Nothing"));
    EXPECT_EQ(1, update.CreateQueryDef("MQ_Test", "SELECT 1 AS One", &db));
    EXPECT_EQ(1, update.QueryDefExists(&db, "MQ_Test"));
    EXPECT_EQ(1, update.CreateQueryDef("MQ_Test", "SELECT 2 AS Two", &db));
    CDaoQueryDefInfo info;
    db.GetQueryDefInfo("MQ_Test", info, AFX_DAO_ALL_INFO);
    EXPECT_EQ(CString("SELECT 2 AS Two"), info.m_strSQL);
    EXPECT_EQ(1, db.GetQueryDefCount());
    EXPECT_EQ(1, update.TableExists(&db, "MSysMqTables")); // the catalog counts among the tables
    EXPECT_EQ(0, update.TableExists(&db, "Nothing"));
    EXPECT_EQ(1, update.DropTableIfExists("Nothing"));
    db.Close();
    EXPECT_EQ(0, update.TableExists(&db, "MSysMqTables"));
    EXPECT_EQ(0, update.QueryDefExists(&db, "MQ_Test"));
    EXPECT_EQ(0, update.CreateQueryDef("MQ_Test", "SELECT 3", &db));
    EXPECT_TRUE(boxes.shown().empty());
}

} // namespace
