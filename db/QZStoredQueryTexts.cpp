#include "db/QZStoredQueryTexts.h"

namespace {

// Every stored query of a site database in order of creation. The texts are the queries'
// own, verbatim, in the engine's dialect; the database layer translates them when it opens
// them. Clauses are separated by single blanks.
const QZStoredQueryText kQueries[] = {
    {"MQ_GetDbID",
     "SELECT DISTINCTROW Marquill.DbId, Marquill.VersionNumber, Marquill.Miscellaneous "
     "FROM Marquill;"}, // 1
    {"MQ_GetEventByDbID_EventID",
     "PARAMETERS argDbID Long, argObjectID Long; SELECT DISTINCTROW MQ_Events.* FROM "
     "MQ_Events WHERE (((MQ_Events.DbID)=[argDbID]) AND "
     "((MQ_Events.EventID)=[argObjectID]) AND ((MQ_Events.Deleted)=0));"}, // 2
    {"MQ_UpdateEventLastExecuted",
     "PARAMETERS argDbID Long, argObjectID Long; UPDATE DISTINCTROW MQ_Events SET "
     "MQ_Events.LastExecuted = Now() WHERE (((MQ_Events.DbID)=[argDbID]) AND "
     "((MQ_Events.EventID)=[argObjectID]));"}, // 3
    {"MQ_DeleteSemaphorLockByUserDbID_UserID",
     "PARAMETERS argUserDbID Long, argUserID Long, argNothing Long; DELETE DISTINCTROW "
     "Semaphor.*, Semaphor.UserDbID, Semaphor.UserID FROM Semaphor WHERE "
     "(((Semaphor.UserDbID)=[argUserDbID]) AND ((Semaphor.UserID)=[argUserID]));"}, // 4
    {"MQ_GetActiveXByDbID_ObjectID",
     "PARAMETERS argDbID Long, argObjectID Long; SELECT DISTINCTROW MQ_ActiveX.* FROM "
     "MQ_ActiveX WHERE (((MQ_ActiveX.DbID)=[argDbID]) AND "
     "((MQ_ActiveX.ObjectID)=[argObjectID]) AND ((MQ_ActiveX.Deleted)=0));"}, // 5
    {"MQ_GetAuthorByDbID_AuthorID",
     "PARAMETERS argDbID Long, argUserID Long; SELECT DISTINCTROW Authors.* FROM "
     "Authors WHERE (((Authors.DbID)=[argDbID]) AND ((Authors.AuthorID)=[argUserID]) "
     "AND ((Authors.Deleted)=0));"}, // 6
    {"MQ_GetAuthorByName",
     "PARAMETERS argAuthorName Text; SELECT DISTINCTROW Authors.* FROM Authors WHERE "
     "(((Authors.Deleted)=0) AND ((Authors.AuthorName)=[argAuthorName]));"}, // 7
    {"MQ_GetCurrentUserByDbId_UserID",
     "PARAMETERS argDbID Long, argFormID Long; SELECT DISTINCTROW "
     "CurrentUsers.UserDbID, CurrentUsers.UserID, CurrentUsers.Login FROM CurrentUsers "
     "WHERE (((CurrentUsers.UserDbID)=[argDbID]) AND "
     "((CurrentUsers.UserID)=[argFormID]));"}, // 8
    {"MQ_GetDocByDbID_DocID",
     "PARAMETERS argDbID Long, argDocID Long; SELECT DISTINCTROW Documents.* FROM "
     "Documents WHERE (((Documents.DbID)=[argDbID]) AND ((Documents.DocID)=[argDocID]) "
     "AND ((Documents.Deleted)=0));"}, // 9
    {"MQ_GetFormByDbID_FormID",
     "PARAMETERS argDbID Long, argFormID Long; SELECT DISTINCTROW Forms.* FROM Forms "
     "WHERE (((Forms.DbID)=[argDbID]) AND ((Forms.FormID)=[argFormID]) AND "
     "((Forms.Deleted)=0));"}, // 10
    {"MQ_GetImageByDbID_ImageID",
     "PARAMETERS argDbID Long, argImageID Long; SELECT DISTINCTROW Images.* FROM "
     "Images WHERE (((Images.DbID)=[argDbID]) AND ((Images.ImageID)=[argImageID]) AND "
     "((Images.Deleted)=0));"}, // 11
    {"MQ_GetJavaByDbID_JavaID",
     "PARAMETERS argDbID Long, argObjectID Long; SELECT DISTINCTROW MQ_Java.* FROM "
     "MQ_Java WHERE (((MQ_Java.DbID)=[argDbID]) AND ((MQ_Java.JavaID)=[argObjectID]) "
     "AND ((MQ_Java.Deleted)=0));"}, // 12
    {"MQ_GetListAllActiveXBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_ActiveX.DbID, MQ_ActiveX.ObjectID, \"A\"+[MQ_ActiveX]![Title] AS Title FROM "
     "MQ_ActiveX WHERE (((MQ_ActiveX.SectionDbID)=[argDbID]) AND "
     "((MQ_ActiveX.SectionID)=[argKeyID])) ORDER BY \"A\"+[MQ_ActiveX]![Title];"}, // 13
    {"MQ_GetListActiveXBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_ActiveX.DbID, MQ_ActiveX.ObjectID, \"A\"+[MQ_ActiveX]![Title] AS Title FROM "
     "MQ_ActiveX WHERE (((MQ_ActiveX.Deleted)=[argShowDeleted]) AND "
     "((MQ_ActiveX.SectionDbID)=[argDbID]) AND ((MQ_ActiveX.SectionID)=[argKeyID])) "
     "ORDER BY \"A\"+[MQ_ActiveX]![Title];"}, // 14
    {"MQ_GetListActiveXByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_ActiveX.DbID, MQ_ActiveX.ObjectID, [MQ_ActiveX]![Title] AS Title FROM "
     "MQ_ActiveX WHERE (((MQ_ActiveX.Deleted)=[argShowDeleted]) AND "
     "((MQ_ActiveX.ServiceDbID)=[argDbID]) AND ((MQ_ActiveX.ServiceID)=[argKeyID])) "
     "ORDER BY [MQ_ActiveX]![Title];"}, // 15
    {"MQ_GetListEventsByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Events.DbID, MQ_Events.EventID, MQ_Events.Title FROM MQ_Events WHERE "
     "(((MQ_Events.Deleted)=[argShowDeleted]) AND ((MQ_Events.ServiceDbID)=[argDbID]) "
     "AND ((MQ_Events.ServiceID)=[argKeyID])) ORDER BY \"E\"+[MQ_Events]![Title];"}, // 16
    {"MQ_GetListAllEventsByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Events.DbID, MQ_Events.EventID, MQ_Events.Title FROM MQ_Events WHERE "
     "(((MQ_Events.ServiceDbID)=[argDbID]) AND ((MQ_Events.ServiceID)=[argKeyID])) "
     "ORDER BY \"E\"+[MQ_Events]![Title];"}, // 17
    {"MQ_GetAllListAuthors",
     "PARAMETERS argShowDeleted Byte; SELECT DISTINCTROW Authors.DbID, "
     "Authors.AuthorID, Authors.AuthorName FROM Authors ORDER BY Authors.AuthorName;"}, // 18
    {"MQ_GetListAuthors",
     "PARAMETERS argShowDeleted Byte; SELECT DISTINCTROW Authors.DbID, "
     "Authors.AuthorID, Authors.AuthorName FROM Authors WHERE "
     "(((Authors.Deleted)=[argShowDeleted])) ORDER BY Authors.AuthorName;"}, // 19
    {"MQ_GetListAllDocuments",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, "
     "IIf([Dynamic]=0,\"S\"+IIf([GenerateFlag]=0,\"C\",\"D\"),\"DC\")+[Documents].[Title] "
     "AS Title FROM Documents WHERE (((Documents.SectionDbID)=[argDbID]) AND "
     "((Documents.SectionID)=[argKeyID])) ORDER BY Documents.Title;"}, // 20
    {"MQ_GetListDocuments",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, "
     "IIf([Dynamic]=0,\"S\"+IIf([GenerateFlag]=0,\"C\",\"D\"),\"DC\")+[Documents].[Title] "
     "AS Title FROM Documents WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Documents.SectionDbID)=[argDbID]) AND ((Documents.SectionID)=[argKeyID])) "
     "ORDER BY Documents.Title;"}, // 21
    {"MQ_GetListAllDocumentsByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents WHERE "
     "(((Documents.ServiceDbID)=[argDbID]) AND ((Documents.ServiceID)=[argKeyID])) "
     "ORDER BY Documents.Title;"}, // 22
    {"MQ_GetListDocumentsByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents WHERE "
     "(((Documents.Deleted)=[argShowDeleted]) AND ((Documents.ServiceDbID)=[argDbID]) "
     "AND ((Documents.ServiceID)=[argKeyID])) ORDER BY Documents.Title;"}, // 23
    {"MQ_GetListAllForms",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Forms.DbID, Forms.FormID, Forms.Title, Forms.Deleted FROM Forms WHERE "
     "(((Forms.ServiceDbID)=[argDbID]) AND ((Forms.ServiceID)=[argKeyID])) ORDER BY "
     "Forms.Title;"}, // 24
    {"MQ_GetListForms",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Forms.DbID, Forms.FormID, Forms.Title, Forms.Deleted FROM Forms WHERE "
     "(((Forms.Deleted)=[argShowDeleted]) AND ((Forms.ServiceDbID)=[argDbID]) AND "
     "((Forms.ServiceID)=[argKeyID])) ORDER BY Forms.Title;"}, // 25
    {"MQ_GetListAllImages",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Images.DbID, Images.ImageID, Images.Name FROM Images WHERE "
     "(((Images.SectionDbID)=[argDbID]) AND ((Images.SectionID)=[argKeyID])) ORDER BY "
     "Images.Name;"}, // 26
    {"MQ_GetListImages",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Images.DbID, Images.ImageID, Images.Name FROM Images WHERE "
     "(((Images.Deleted)=[argShowDeleted]) AND ((Images.SectionDbID)=[argDbID]) AND "
     "((Images.SectionID)=[argKeyID])) ORDER BY Images.Name;"}, // 27
    {"MQ_GetListAllImagesByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Images.DbID, Images.ImageID, Images.Name FROM Images WHERE "
     "(((Images.ServiceDbID)=[argDbID]) AND ((Images.ServiceID)=[argKeyID])) ORDER BY "
     "Images.Name;"}, // 28
    {"MQ_GetListImagesByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Images.DbID, Images.ImageID, Images.Name FROM Images WHERE "
     "(((Images.Deleted)=[argShowDeleted]) AND ((Images.ServiceDbID)=[argDbID]) AND "
     "((Images.ServiceID)=[argKeyID])) ORDER BY Images.Name;"}, // 29
    {"MQ_GetListAllJavaBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Java.DbID, MQ_Java.JavaID, \"J\"+[MQ_Java]![Title] AS Title FROM MQ_Java "
     "WHERE (((MQ_Java.SectionDbID)=[argDbID]) AND ((MQ_Java.SectionID)=[argKeyID])) "
     "ORDER BY \"J\"+[MQ_Java]![Title];"}, // 30
    {"MQ_GetListJavaBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Java.DbID, MQ_Java.JavaID, \"J\"+[MQ_Java]![Title] AS Title FROM MQ_Java "
     "WHERE (((MQ_Java.Deleted)=[argShowDeleted]) AND "
     "((MQ_Java.SectionDbID)=[argDbID]) AND ((MQ_Java.SectionID)=[argKeyID])) ORDER BY "
     "\"J\"+[MQ_Java]![Title];"}, // 31
    {"MQ_GetListJavaByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Java.DbID, MQ_Java.JavaID, [MQ_Java]![Title] AS Title FROM MQ_Java WHERE "
     "(((MQ_Java.Deleted)=[argShowDeleted]) AND ((MQ_Java.ServiceDbID)=[argDbID]) AND "
     "((MQ_Java.ServiceID)=[argKeyID])) ORDER BY [MQ_Java]![Title];"}, // 32
    {"MQ_GetListAllMediaBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Media.DbID, MQ_Media.MediaID, \"M\"+[MQ_Media]![Title] AS Title FROM MQ_Media "
     "WHERE (((MQ_Media.SectionDbID)=[argDbID]) AND ((MQ_Media.SectionID)=[argKeyID])) "
     "ORDER BY \"M\"+[MQ_Media]![Title];"}, // 33
    // Tests Deleted against the show-deleted flag, as the other lists of a service do.
    {"MQ_GetListMediaByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Media.DbID, MQ_Media.MediaID, [MQ_Media]![Title] AS Title FROM MQ_Media WHERE "
     "(((MQ_Media.Deleted)=[argShowDeleted]) AND ((MQ_Media.ServiceDbID)=[argDbID]) "
     "AND ((MQ_Media.ServiceID)=[argKeyID])) ORDER BY [MQ_Media]![Title];"}, // 34
    {"MQ_GetListMediaBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Media.DbID, MQ_Media.MediaID, \"M\"+[MQ_Media]![Title] AS Title FROM MQ_Media "
     "WHERE (((MQ_Media.Deleted)=[argShowDeleted]) AND "
     "((MQ_Media.SectionDbID)=[argDbID]) AND ((MQ_Media.SectionID)=[argKeyID])) ORDER "
     "BY \"M\"+[MQ_Media]![Title];"}, // 35
    {"MQ_GetListAllMessages",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Messages.DbID, Messages.MessageID, Messages.Title FROM Messages WHERE "
     "(((Messages.ServiceDbID)=[argDbID]) AND ((Messages.ServiceID)=[argKeyID])) ORDER "
     "BY Messages.Title;"}, // 36
    {"MQ_GetListMessages",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Messages.DbID, Messages.MessageID, Messages.Title FROM Messages WHERE "
     "(((Messages.Deleted)=[argShowDeleted]) AND ((Messages.ServiceDbID)=[argDbID]) "
     "AND ((Messages.ServiceID)=[argKeyID])) ORDER BY Messages.Title;"}, // 37
    {"MQ_GetListAllPhotos",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "PhotoImages.DbID, PhotoImages.PhotoID, PhotoImages.Name FROM PhotoImages WHERE "
     "(((PhotoImages.SectionDbID)=[argDbID]) AND ((PhotoImages.SectionID)=[argKeyID])) "
     "ORDER BY PhotoImages.Name;"}, // 38
    {"MQ_GetListPhotos",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "PhotoImages.DbID, PhotoImages.PhotoID, PhotoImages.Name FROM PhotoImages WHERE "
     "(((PhotoImages.Deleted)=[argShowDeleted]) AND "
     "((PhotoImages.SectionDbID)=[argDbID]) AND ((PhotoImages.SectionID)=[argKeyID])) "
     "ORDER BY PhotoImages.Name;"}, // 39
    {"MQ_GetListAllPhotosByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "PhotoImages.DbID, PhotoImages.PhotoID, PhotoImages.Name FROM PhotoImages WHERE "
     "(((PhotoImages.ServiceDbID)=[argDbID]) AND ((PhotoImages.ServiceID)=[argKeyID])) "
     "ORDER BY PhotoImages.Name;"}, // 40
    {"MQ_GetListPhotosByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "PhotoImages.DbID, PhotoImages.PhotoID, PhotoImages.Name FROM PhotoImages WHERE "
     "(((PhotoImages.Deleted)=[argShowDeleted]) AND "
     "((PhotoImages.ServiceDbID)=[argDbID]) AND ((PhotoImages.ServiceID)=[argKeyID])) "
     "ORDER BY PhotoImages.Name;"}, // 41
    {"MQ_GetListAllQueries",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Query.DbID, Query.QueryID, IIf([QueryType]=0,\"Q\",\"T\")+[Query].[QueryName] AS "
     "QueryName FROM Query WHERE (((Query.ServiceDbID)=[argDbID]) AND "
     "((Query.ServiceID)=[argKeyID])) ORDER BY Query.QueryName;"}, // 42
    {"MQ_GetListQueries",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Query.DbID, Query.QueryID, IIf([QueryType]=0,\"Q\",\"T\")+[Query].[QueryName] AS "
     "QueryName FROM Query WHERE (((Query.Deleted)=[argShowDeleted]) AND "
     "((Query.ServiceDbID)=[argDbID]) AND ((Query.ServiceID)=[argKeyID])) ORDER BY "
     "Query.QueryName;"}, // 43
    {"MQ_GetListQueriesByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Query.DbID, Query.QueryID, [Query].[QueryName] AS QueryName FROM Query WHERE "
     "(((Query.Deleted)=[argShowDeleted]) AND ((Query.ServiceDbID)=[argDbID]) AND "
     "((Query.ServiceID)=[argKeyID])) ORDER BY Query.QueryName;"}, // 44
    {"MQ_GetListAllScriptsBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Script.DbID, MQ_Script.ScriptID, \"S\"+[MQ_Script]![Title] AS Title FROM "
     "MQ_Script WHERE (((MQ_Script.SectionDbID)=[argDbID]) AND "
     "((MQ_Script.SectionID)=[argKeyID])) ORDER BY \"S\"+[MQ_Script]![Title];"}, // 45
    {"MQ_GetListScriptsBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Script.DbID, MQ_Script.ScriptID, \"S\"+[MQ_Script]![Title] AS Title FROM "
     "MQ_Script WHERE (((MQ_Script.Deleted)=[argShowDeleted]) AND "
     "((MQ_Script.SectionDbID)=[argDbID]) AND ((MQ_Script.SectionID)=[argKeyID])) "
     "ORDER BY \"S\"+[MQ_Script]![Title];"}, // 46
    {"MQ_GetListScriptsByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Script.DbID, MQ_Script.ScriptID, [MQ_Script]![Title] AS Title FROM MQ_Script "
     "WHERE (((MQ_Script.Deleted)=[argShowDeleted]) AND "
     "((MQ_Script.ServiceDbID)=[argDbID]) AND ((MQ_Script.ServiceID)=[argKeyID])) "
     "ORDER BY [MQ_Script]![Title];"}, // 47
    {"MQ_GetListAllSections",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Sections.DbID, Sections.SectionID, Sections.SectionName FROM Sections WHERE "
     "(((Sections.ServiceDbID)=[argDbID]) AND ((Sections.ServiceID)=[argKeyID])) ORDER "
     "BY Sections.SectionName;"}, // 48
    {"MQ_GetListSections",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Sections.DbID, Sections.SectionID, Sections.SectionName FROM Sections WHERE "
     "(((Sections.Deleted)=[argShowDeleted]) AND ((Sections.ServiceDbID)=[argDbID]) "
     "AND ((Sections.ServiceID)=[argKeyID])) ORDER BY Sections.SectionName;"}, // 49
    {"MQ_GetListSemaphorsByUser",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Semaphor.DateLocked FROM Semaphor WHERE (((Semaphor.UserDbID)=[argDbID]) AND "
     "((Semaphor.UserID)=[argKeyID]));"}, // 50
    {"MQ_GetListAllServices",
     "PARAMETERS argShowDeleted Byte; SELECT DISTINCTROW Services.DbID, "
     "Services.ServiceID, Services.Name FROM Services ORDER BY Services.Name;"}, // 51
    {"MQ_GetListServices", "PARAMETERS argShowDeleted Byte; SELECT DISTINCTROW Services.DbID, "
                           "Services.ServiceID, Services.Name FROM Services WHERE "
                           "(((Services.Deleted)=[argShowDeleted])) ORDER BY Services.Name;"}, // 52
    {"MQ_GetListAllStyles",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Styles.DbID, Styles.StyleID, Styles.StyleName FROM Styles WHERE "
     "(((Styles.ServiceDbID)=[argDbID]) AND ((Styles.ServiceID)=[argKeyID])) ORDER BY "
     "Styles.StyleName;"}, // 53
    {"MQ_GetListStyles",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Styles.DbID, Styles.StyleID, Styles.StyleName FROM Styles WHERE "
     "(((Styles.Deleted)=[argShowDeleted]) AND ((Styles.ServiceDbID)=[argDbID]) AND "
     "((Styles.ServiceID)=[argKeyID])) ORDER BY Styles.StyleName;"}, // 54
    {"MQ_GetListAllTemplates",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Templates.DbID, Templates.TemplateID, Templates.TemplateName FROM Templates "
     "WHERE (((Templates.ServiceDbID)=[argDbID]) AND "
     "((Templates.ServiceID)=[argKeyID])) ORDER BY Templates.TemplateName;"}, // 55
    {"MQ_GetListTemplates",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Templates.DbID, Templates.TemplateID, Templates.TemplateName FROM Templates "
     "WHERE (((Templates.Deleted)=[argShowDeleted]) AND "
     "((Templates.ServiceDbID)=[argDbID]) AND ((Templates.ServiceID)=[argKeyID])) "
     "ORDER BY Templates.TemplateName;"}, // 56
    {"MQ_GetMediaByDbID_MediaID",
     "PARAMETERS argDbID Long, argObjectID Long; SELECT DISTINCTROW MQ_Media.* FROM "
     "MQ_Media WHERE (((MQ_Media.DbID)=[argDbID]) AND "
     "((MQ_Media.MediaID)=[argObjectID]) AND ((MQ_Media.Deleted)=0));"}, // 57
    {"MQ_GetMessageByDbID_MessageID",
     "PARAMETERS argDbID Long, argMessageID Long; SELECT DISTINCTROW Messages.* FROM "
     "Messages WHERE (((Messages.DbID)=[argDbID]) AND "
     "((Messages.MessageID)=[argMessageID]) AND ((Messages.Deleted)=0));"}, // 58
    {"MQ_GetPhotoByDbID_PhotoID",
     "PARAMETERS argDbID Long, argKeyID Long; SELECT DISTINCTROW PhotoImages.* FROM "
     "PhotoImages WHERE (((PhotoImages.DbID)=[argDbID]) AND "
     "((PhotoImages.PhotoID)=[argKeyID]) AND ((PhotoImages.Deleted)=0));"}, // 59
    {"MQ_GetQueryByDbID_QueryID",
     "SELECT DISTINCTROW Query.* FROM Query WHERE (((Query.DbID)=[argDbID]) AND "
     "((Query.QueryID)=[argQueryID]) AND ((Query.Deleted)=0));"}, // 60
    {"MQ_GetScriptByDbID_ScriptID",
     "PARAMETERS argDbID Long, argObjectID Long; SELECT DISTINCTROW MQ_Script.* FROM "
     "MQ_Script WHERE (((MQ_Script.DbID)=[argDbID]) AND "
     "((MQ_Script.ScriptID)=[argObjectID]) AND ((MQ_Script.Deleted)=0));"}, // 61
    {"MQ_GetSectionByDbID_SectionID",
     "PARAMETERS argDbID Long, argSectionID Long; SELECT DISTINCTROW Sections.* FROM "
     "Sections WHERE (((Sections.DbID)=[argDbID]) AND "
     "((Sections.SectionID)=[argSectionID]) AND ((Sections.Deleted)=0));"}, // 62
    {"MQ_GetSemaphor",
     "PARAMETERS argDbID Long, argKeyID Long, argObjTypeID Long; SELECT DISTINCTROW "
     "Semaphor.* FROM Semaphor WHERE (((Semaphor.ObjDbID)=[argDbID]) AND "
     "((Semaphor.ObjKeyID)=[argKeyID]) AND ((Semaphor.ObjTypeID)=[argObjTypeID]));"}, // 63
    {"MQ_GetServiceByDbID_ServiceID",
     "PARAMETERS argDbID Long, argServiceID Long; SELECT DISTINCTROW Services.* FROM "
     "Services WHERE (((Services.DbID)=[argDbID]) AND "
     "((Services.ServiceID)=[argServiceID]) AND ((Services.Deleted)=0));"}, // 64
    {"MQ_GetStyleByDbID_StyleID",
     "PARAMETERS argDbID Long, argStyleID Long; SELECT DISTINCTROW Styles.* FROM "
     "Styles WHERE (((Styles.DbID)=[argDbID]) AND ((Styles.StyleID)=[argStyleID]) AND "
     "((Styles.Deleted)=0));"}, // 65
    {"MQ_GetTemplateByDbID_TemplateID",
     "PARAMETERS argDbID Long, argTemplateID Long; SELECT DISTINCTROW Templates.* FROM "
     "Templates WHERE (((Templates.DbID)=[argDbID]) AND "
     "((Templates.TemplateID)=[argTemplateID]) AND ((Templates.Deleted)=0));"}, // 66
    {"MQ_PickDocsByImage",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=4)) ORDER BY "
     "Documents.Title;"}, // 67
    {"MQ_PickDocsByLinks",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=2)) ORDER BY "
     "Documents.Title;"}, // 68
    {"MQ_PickDocsBySection",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title, Documents.Dynamic FROM "
     "Documents WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Documents.SectionDbID)=[argDbID]) AND ((Documents.SectionID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Documents.Dynamic)=0)) ORDER BY "
     "Documents.Title;"}, // 69
    {"MQ_PickDocsByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title, Documents.Dynamic FROM "
     "Documents WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Documents.ServiceDbID)=[argDbID]) AND ((Documents.ServiceID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Documents.Dynamic)=0)) ORDER BY "
     "Documents.Title;"}, // 70
    {"MQ_PickDocsByTemplate",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=3)) ORDER BY "
     "Documents.Title;"}, // 71
    {"MQ_PickDocsMarkedToGenerate",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents WHERE "
     "(((Documents.GenerateFlag)=1) AND ((Documents.Deleted)=[argShowDeleted]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Documents.ServiceDbID)=[argDbID]) AND "
     "((Documents.ServiceID)=[argKeyID])) ORDER BY Documents.Title;"}, // 72
    {"MQ_GetListPublishObjects",
     "PARAMETERS argDbID Long, argObjectID Long, argShowDeleted Byte; SELECT "
     "DISTINCTROW Forms.DbID AS [DbID], Forms.FormID AS [ObjectID], 13 AS "
     "[ObjectType], Forms.Title AS [Title] FROM Forms WHERE "
     "(((Forms.NeverPublishFlag)=0) AND ((Forms.PublishFlag)=1) AND "
     "((Forms.Deleted)=0) AND ((Forms.ServiceDbID)=[argDbID]) AND "
     "((Forms.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW Documents.DbID AS "
     "[DbID], Documents.DocID AS [ObjectID], 2 AS [ObjectType], Documents.Title AS "
     "[Title] FROM Documents WHERE (((Documents.NeverPublishFlag)=0) AND "
     "((Documents.PublishFlag)=1) AND ((Documents.Deleted)=0) AND "
     "((Documents.ServiceDbID)=[argDbID]) AND ((Documents.ServiceID)=[argObjectID])) "
     "UNION SELECT DISTINCTROW Images.DbID AS [DbID], Images.ImageID AS [ObjectID], 4 "
     "AS [ObjectType], Images.Name AS [Title] FROM Images WHERE "
     "(((Images.NeverPublishFlag)=0) AND ((Images.PublishFlag)=1) AND "
     "((Images.Deleted)=0) AND ((Images.ServiceDbID)=[argDbID]) AND "
     "((Images.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW MQ_ActiveX.DbID AS "
     "[DbID], MQ_ActiveX.ObjectID AS [ObjectID], 17 AS [ObjectType], MQ_ActiveX.Title "
     "AS [Title] FROM MQ_ActiveX WHERE (((MQ_ActiveX.NeverPublishFlag)=0) AND "
     "((MQ_ActiveX.PublishFlag)=1) AND ((MQ_ActiveX.Deleted)=0) AND "
     "((MQ_ActiveX.ServiceDbID)=[argDbID]) AND ((MQ_ActiveX.ServiceID)=[argObjectID])) "
     "UNION SELECT DISTINCTROW MQ_Java.DbID AS [DbID], MQ_Java.JavaID AS [ObjectID], "
     "18 AS [ObjectType], MQ_Java.Title AS [Title] FROM MQ_Java WHERE "
     "(((MQ_Java.NeverPublishFlag)=0) AND ((MQ_Java.PublishFlag)=1) AND "
     "((MQ_Java.Deleted)=0) AND ((MQ_Java.ServiceDbID)=[argDbID]) AND "
     "((MQ_Java.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW MQ_Media.DbID AS "
     "[DbID], MQ_Media.MediaID AS [ObjectID], 19 AS [ObjectType], MQ_Media.Title AS "
     "[Title] FROM MQ_Media WHERE (((MQ_Media.NeverPublishFlag)=0) AND "
     "((MQ_Media.PublishFlag)=1) AND ((MQ_Media.Deleted)=0) AND "
     "((MQ_Media.ServiceDbID)=[argDbID]) AND ((MQ_Media.ServiceID)=[argObjectID])) "
     "UNION SELECT DISTINCTROW MQ_Script.DbID AS [DbID], MQ_Script.ScriptID AS "
     "[ObjectID], 20 AS [ObjectType], MQ_Script.Title AS [Title] FROM MQ_Script WHERE "
     "(((MQ_Script.NeverPublishFlag)=0) AND ((MQ_Script.PublishFlag)=1) AND "
     "((MQ_Script.Deleted)=0) AND ((MQ_Script.ServiceDbID)=[argDbID]) AND "
     "((MQ_Script.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW Messages.DbID AS "
     "[DbID], Messages.MessageID AS [ObjectID], 6 AS [ObjectType], Messages.Title AS "
     "[Title] FROM Messages WHERE (((Messages.NeverPublishFlag)=0) AND "
     "((Messages.PublishFlag)=1) AND ((Messages.Deleted)=0) AND "
     "((Messages.ServiceDbID)=[argDbID]) AND ((Messages.ServiceID)=[argObjectID])) "
     "UNION SELECT DISTINCTROW PhotoImages.DbID AS [DbID], PhotoImages.PhotoID AS "
     "[ObjectID], 11 AS [ObjectType], PhotoImages.Name AS [Title] FROM PhotoImages "
     "WHERE (((PhotoImages.NeverPublishFlag)=0) AND ((PhotoImages.PublishFlag)=1) AND "
     "((PhotoImages.Deleted)=0) AND ((PhotoImages.ServiceDbID)=[argDbID]) AND "
     "((PhotoImages.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW Query.DbID AS "
     "[DbID], Query.QueryID AS ObjectID, 5 AS ObjectType, Query.QueryName AS [Title] "
     "FROM Query WHERE (((Query.NeverPublishFlag)=0) AND ((Query.PublishFlag)=1) AND "
     "((Query.Deleted)=0) AND ((Query.ServiceDbID)=[argDbID]) AND "
     "((Query.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW Sections.DbID AS "
     "[DbID], Sections.SectionID AS [ObjectID], 1 AS [ObjectType], "
     "Sections.SectionName As [Title] FROM Sections WHERE "
     "(((Sections.NeverPublishFlag)=0) AND ((Sections.PublishFlag)=1) AND "
     "((Sections.Deleted)=0) AND ((Sections.ServiceDbID)=[argDbID]) AND "
     "((Sections.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW Services.DbID AS "
     "[DbID], Services.ServiceID AS [ObjectID], 0 AS [ObjectType], Services.Name AS "
     "[Title] FROM Services WHERE (((Services.NeverPublishFlag)=0) AND "
     "((Services.PublishFlag)=1) AND ((Services.Deleted)=0) AND "
     "((Services.DbID)=[argDbID]) AND ((Services.ServiceID)=[argObjectID])) UNION "
     "SELECT DISTINCTROW Styles.DbID AS [DbID], Styles.StyleID AS [ObjectID], 12 AS "
     "[ObjectType], Styles.StyleName AS [Title] FROM Styles WHERE "
     "(((Styles.NeverPublishFlag)=0) AND ((Styles.PublishFlag)=1) AND "
     "((Styles.Deleted)=0) AND ((Styles.ServiceDbID)=[argDbID]) AND "
     "((Styles.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW Templates.DbID AS "
     "[DbID], Templates.TemplateID AS [ObjectID], 3 AS [ObjectType], "
     "Templates.TemplateName AS [Title] FROM Templates WHERE "
     "(((Templates.NeverPublishFlag)=0) AND ((Templates.PublishFlag)=1) AND "
     "((Templates.Deleted)=0) AND ((Templates.ServiceDbID)=[argDbID]) AND "
     "((Templates.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW MQ_Events.DbID "
     "AS [DbID], MQ_Events.EventID AS [ObjectID], 22 AS [ObjectType], MQ_Events.Title "
     "AS [Title] FROM MQ_Events WHERE (((MQ_Events.NeverPublishFlag)=0) AND "
     "((MQ_Events.PublishFlag)=1) AND ((MQ_Events.Deleted)=0) AND "
     "((MQ_Events.ServiceDbID)=[argDbID]) AND ((MQ_Events.ServiceID)=[argObjectID])) "
     "UNION SELECT DISTINCTROW MQ_Advertiser.DbID AS [DbID], "
     "MQ_Advertiser.AdvertiserID AS [ObjectID], 21 AS [ObjectType], "
     "MQ_Advertiser.BusinessName AS [Title] FROM MQ_Advertiser WHERE "
     "(((MQ_Advertiser.NeverPublishFlag)=0) AND ((MQ_Advertiser.PublishFlag)=1) AND "
     "((MQ_Advertiser.Deleted)=0) AND ((MQ_Advertiser.ServiceDbID)=[argDbID]) AND "
     "((MQ_Advertiser.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW MQ_Ad.DbID "
     "AS [DbID], MQ_Ad.AdID AS [ObjectID], 24 AS [ObjectType], MQ_Ad.Title AS [Title] "
     "FROM MQ_Ad WHERE (((MQ_Ad.NeverPublishFlag)=0) AND ((MQ_Ad.PublishFlag)=1) AND "
     "((MQ_Ad.Deleted)=0) AND ((MQ_Ad.ServiceDbID)=[argDbID]) AND "
     "((MQ_Ad.ServiceID)=[argObjectID])) UNION SELECT DISTINCTROW MQ_AdSpace.DbID AS "
     "[DbID], MQ_AdSpace.AdSpaceID AS [ObjectID], 23 AS [ObjectType], MQ_AdSpace.Title "
     "AS [Title] FROM MQ_AdSpace WHERE (((MQ_AdSpace.NeverPublishFlag)=0) AND "
     "((MQ_AdSpace.PublishFlag)=1) AND ((MQ_AdSpace.Deleted)=0) AND "
     "((MQ_AdSpace.ServiceDbID)=[argDbID]) AND ((MQ_AdSpace.ServiceID)=[argObjectID])) "
     "ORDER BY [ObjectType];"}, // 73
    {"MQ_GetChangedEvents",
     "PARAMETERS LastChecked DateTime; SELECT DISTINCTROW MQ_Events.DbID, "
     "MQ_Events.EventID, MQ_Events.Title, MQ_Events.LastChanged, MQ_Events.Deleted "
     "FROM MQ_Events WHERE (((MQ_Events.LastChanged)>=[LastChecked]));"}, // 74
    {"MQ_GetComponentInfo", "SELECT * FROM ComponentsInstalled"},         // 75
    {"MQ_PickDocsByQuery",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=5)) ORDER BY "
     "Documents.Title;"}, // 76
    {"MQ_PickDocsByForm",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=13)) ORDER BY "
     "Documents.Title;"}, // 77
    {"MQ_PickDocsByActiveX",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=17)) ORDER BY "
     "Documents.Title;"}, // 78
    {"MQ_PickDocsByJava",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=18)) ORDER BY "
     "Documents.Title;"}, // 79
    {"MQ_PickDocsByMultimedia",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=19)) ORDER BY "
     "Documents.Title;"}, // 80
    {"MQ_PickDocsByScript",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title FROM Documents INNER JOIN "
     "Dependents ON (Documents.DocID = Dependents.ObjKeyID) AND (Documents.DbID = "
     "Dependents.ObjDbID) WHERE (((Documents.Deleted)=[argShowDeleted]) AND "
     "((Dependents.UseDbID)=[argDbID]) AND ((Dependents.UseKeyID)=[argKeyID]) AND "
     "((Documents.NeverGenerateFlag)=0) AND ((Dependents.UseTypeID)=20)) ORDER BY "
     "Documents.Title;"}, // 81
    {"MQ_PickDocsByStyle",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "Documents.DbID, Documents.DocID, Documents.Title, Documents.Dynamic FROM "
     "Documents WHERE (((Documents.Dynamic)=0) AND "
     "((Documents.Deleted)=[argShowDeleted]) AND ((Documents.StyleDbID)=[argDbID]) AND "
     "((Documents.StyleID)=[argKeyID]) AND ((Documents.NeverGenerateFlag)=0)) ORDER BY "
     "Documents.Title;"}, // 82
    {"MQ_GetAdByDbID_AdID",
     "PARAMETERS argDbID Long, argObjID Long; SELECT DISTINCTROW MQ_Ad.* FROM MQ_Ad "
     "WHERE (((MQ_Ad.DbID)=[argDbID]) AND ((MQ_Ad.Deleted)=0) AND "
     "((MQ_Ad.AdID)=[argObjID]));"}, // 83
    {"MQ_GetAdSpaceByDbID_AdSpaceID",
     "PARAMETERS argDbID Long, argObjID Long; SELECT DISTINCTROW MQ_AdSpace.* FROM "
     "MQ_AdSpace WHERE (((MQ_AdSpace.DbID)=[argDbID]) AND ((MQ_AdSpace.Deleted)=0) AND "
     "((MQ_AdSpace.AdSpaceID)=[argObjID]));"}, // 84
    {"MQ_GetAdvertiserByDbID_AdvertiserID",
     "PARAMETERS argDbID Long, argObjID Long; SELECT DISTINCTROW MQ_Advertiser.* FROM "
     "MQ_Advertiser WHERE (((MQ_Advertiser.DbID)=[argDbID]) AND "
     "((MQ_Advertiser.Deleted)=0) AND ((MQ_Advertiser.AdvertiserID)=[argObjID]));"}, // 85
    {"MQ_GetListAllAdvertisersByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "\"A\"+MQ_Advertiser.BusinessName AS BusinessName, MQ_Advertiser.DbID, "
     "MQ_Advertiser.AdvertiserID FROM MQ_Advertiser WHERE "
     "(((MQ_Advertiser.ServiceDbID)=[argDbID]) AND "
     "((MQ_Advertiser.ServiceID)=[argKeyID]) AND "
     "((MQ_Advertiser.Deleted)=[argShowDeleted])) ORDER BY "
     "\"A\"+MQ_Advertiser.BusinessName;"}, // 86
    {"MQ_GetListAllAdvertisersByService1",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Advertiser.BusinessName AS BusinessName, MQ_Advertiser.DbID, "
     "MQ_Advertiser.AdvertiserID FROM MQ_Advertiser WHERE "
     "(((MQ_Advertiser.ServiceDbID)=[argDbID]) AND "
     "((MQ_Advertiser.ServiceID)=[argKeyID]) AND "
     "((MQ_Advertiser.Deleted)=[argShowDeleted])) ORDER BY MQ_Advertiser.BusinessName;"}, // 87
    {"MQ_GetListAllAdsByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Ad.Title, MQ_Ad.DbID, MQ_Ad.AdID FROM MQ_Ad WHERE "
     "(((MQ_Ad.ServiceDbID)=[argDbID]) AND ((MQ_Ad.ServiceID)=[argKeyID]) AND "
     "((MQ_Ad.Deleted)=[argShowDeleted])) ORDER BY MQ_Ad.Title;"}, // 88
    {"MQ_GetListAllAdsByAdvertiser",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "MQ_Ad.Title, MQ_Ad.DbID, MQ_Ad.AdID FROM MQ_Ad WHERE "
     "(((MQ_Ad.AdvertiserDbID)=[argDbID]) AND ((MQ_Ad.AdvertiserID)=[argKeyID]) AND "
     "((MQ_Ad.Deleted)=[argShowDeleted])) ORDER BY MQ_Ad.Title;"}, // 89
    {"MQ_GetListAllAdSpaceByService",
     "PARAMETERS argDbID Long, argKeyID Long, argShowDeleted Byte; SELECT DISTINCTROW "
     "\"S\"+MQ_AdSpace.Title AS Title, MQ_AdSpace.DbID, MQ_AdSpace.AdSpaceID FROM "
     "MQ_AdSpace WHERE (((MQ_AdSpace.ServiceDbID)=[argDbID]) AND "
     "((MQ_AdSpace.ServiceID)=[argKeyID]) AND ((MQ_AdSpace.Deleted)=[argShowDeleted])) "
     "ORDER BY \"S\"+MQ_AdSpace.Title;"}, // 90
    {"MQ_DeleteImage_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Images SET "
     "Images.Deleted = 1 WHERE (((Images.ServiceDbID)=[argDbID]) AND "
     "((Images.ServiceID)=[argKeyID]));"}, // 91
    {"MQ_DeleteActiveX_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_ActiveX SET "
     "MQ_ActiveX.Deleted = 1 WHERE (((MQ_ActiveX.ServiceDbID)=[argDbID]) AND "
     "((MQ_ActiveX.ServiceID)=[argKeyID]));"}, // 92
    {"MQ_DeleteDocuments_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Documents SET "
     "Documents.Deleted = 1 WHERE (((Documents.ServiceDbID)=[argDbID]) AND "
     "((Documents.ServiceID)=[argKeyID]));"}, // 93
    {"MQ_DeleteJava_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Java SET "
     "MQ_Java.Deleted = 1 WHERE (((MQ_Java.ServiceDbID)=[argDbID]) AND "
     "((MQ_Java.ServiceID)=[argKeyID]));"}, // 94
    {"MQ_DeleteScript_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Script SET "
     "MQ_Script.Deleted = 1 WHERE (((MQ_Script.ServiceDbID)=[argDbID]) AND "
     "((MQ_Script.ServiceID)=[argKeyID]));"}, // 95
    {"MQ_DeleteMedia_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Media SET "
     "MQ_Media.Deleted = 1 WHERE (((MQ_Media.ServiceDbID)=[argDbID]) AND "
     "((MQ_Media.ServiceID)=[argKeyID]));"}, // 96
    {"MQ_DeleteSection_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Sections SET "
     "Sections.Deleted = 1 WHERE (((Sections.ServiceDbID)=[argDbID]) AND "
     "((Sections.ServiceID)=[argKeyID]));"}, // 97
    {"MQ_DeleteImage_BySection",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Images SET "
     "Images.Deleted = 1 WHERE (((Images.SectionDbID)=[argDbID]) AND "
     "((Images.SectionID)=[argKeyID]));"}, // 98
    {"MQ_DeleteActiveX_BySection",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_ActiveX SET "
     "MQ_ActiveX.Deleted = 1 WHERE (((MQ_ActiveX.SectionDbID)=[argDbID]) AND "
     "((MQ_ActiveX.SectionID)=[argKeyID]));"}, // 99
    {"MQ_DeleteDocuments_BySection",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Documents SET "
     "Documents.Deleted = 1 WHERE (((Documents.SectionDbID)=[argDbID]) AND "
     "((Documents.SectionID)=[argKeyID]));"}, // 100
    {"MQ_DeleteJava_BySection",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Java SET "
     "MQ_Java.Deleted = 1 WHERE (((MQ_Java.SectionDbID)=[argDbID]) AND "
     "((MQ_Java.SectionID)=[argKeyID]));"}, // 101
    {"MQ_DeleteScript_BySection",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Script SET "
     "MQ_Script.Deleted = 1 WHERE (((MQ_Script.SectionDbID)=[argDbID]) AND "
     "((MQ_Script.SectionID)=[argKeyID]));"}, // 102
    {"MQ_DeleteMedia_BySection",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Media SET "
     "MQ_Media.Deleted = 1 WHERE (((MQ_Media.SectionDbID)=[argDbID]) AND "
     "((MQ_Media.SectionID)=[argKeyID]));"}, // 103
    {"MQ_PublishActiveX_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_ActiveX SET "
     "MQ_ActiveX.PublishFlag = 1 WHERE (((MQ_ActiveX.NeverPublishFlag)=0) AND "
     "((MQ_ActiveX.ServiceDbID)=[argDbID]) AND ((MQ_ActiveX.ServiceID)=[argKeyID]));"}, // 104
    {"MQ_PublishAd_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Ad SET "
     "MQ_Ad.PublishFlag = 1 WHERE (((MQ_Ad.NeverPublishFlag)=0) AND "
     "((MQ_Ad.ServiceDbID)=[argDbID]) AND ((MQ_Ad.ServiceID)=[argKeyID]));"}, // 105
    {"MQ_PublishAdSpace_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_AdSpace SET "
     "MQ_AdSpace.PublishFlag = 1 WHERE (((MQ_AdSpace.NeverPublishFlag)=0) AND "
     "((MQ_AdSpace.ServiceDbID)=[argDbID]) AND ((MQ_AdSpace.ServiceID)=[argKeyID]));"}, // 106
    {"MQ_PublishAdvertiser_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Advertiser SET "
     "MQ_Advertiser.PublishFlag = 1 WHERE (((MQ_Advertiser.NeverPublishFlag)=0) AND "
     "((MQ_Advertiser.ServiceDbID)=[argDbID]) AND "
     "((MQ_Advertiser.ServiceID)=[argKeyID]));"}, // 107
    {"MQ_PublishEvents_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Events SET "
     "MQ_Events.PublishFlag = 1 WHERE (((MQ_Events.NeverPublishFlag)=0) AND "
     "((MQ_Events.ServiceDbID)=[argDbID]) AND ((MQ_Events.ServiceID)=[argKeyID]));"}, // 108
    {"MQ_PublishJava_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Java SET "
     "MQ_Java.PublishFlag = 1 WHERE (((MQ_Java.NeverPublishFlag)=0) AND "
     "((MQ_Java.ServiceDbID)=[argDbID]) AND ((MQ_Java.ServiceID)=[argKeyID]));"}, // 109
    {"MQ_PublishMedia_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Media SET "
     "MQ_Media.PublishFlag = 1 WHERE (((MQ_Media.NeverPublishFlag)=0) AND "
     "((MQ_Media.ServiceDbID)=[argDbID]) AND ((MQ_Media.ServiceID)=[argKeyID]));"}, // 110
    {"MQ_PublishScript_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW MQ_Script SET "
     "MQ_Script.PublishFlag = 1 WHERE (((MQ_Script.NeverPublishFlag)=0) AND "
     "((MQ_Script.ServiceDbID)=[argDbID]) AND ((MQ_Script.ServiceID)=[argKeyID]));"}, // 111
    {"MQ_PublishPage_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Documents SET "
     "Documents.PublishFlag = 1 WHERE (((Documents.NeverPublishFlag)=0) AND "
     "((Documents.ServiceDbID)=[argDbID]) AND ((Documents.ServiceID)=[argKeyID]));"}, // 112
    {"MQ_PublishForm_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Forms SET "
     "Forms.PublishFlag = 1 WHERE (((Forms.NeverPublishFlag)=0) AND "
     "((Forms.ServiceDbID)=[argDbID]) AND ((Forms.ServiceID)=[argKeyID]));"}, // 113
    {"MQ_PublishImage_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Images SET "
     "Images.PublishFlag = 1 WHERE (((Images.NeverPublishFlag)=0) AND "
     "((Images.ServiceDbID)=[argDbID]) AND ((Images.ServiceID)=[argKeyID]));"}, // 114
    {"MQ_PublishMessage_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Messages SET "
     "Messages.PublishFlag = 1 WHERE (((Messages.NeverPublishFlag)=0) AND "
     "((Messages.ServiceDbID)=[argDbID]) AND ((Messages.ServiceID)=[argKeyID]));"}, // 115
    {"MQ_PublishPhoto_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW PhotoImages SET "
     "PhotoImages.PublishFlag = 1 WHERE (((PhotoImages.NeverPublishFlag)=0) AND "
     "((PhotoImages.ServiceDbID)=[argDbID]) AND ((PhotoImages.ServiceID)=[argKeyID]));"}, // 116
    {"MQ_PublishQuery_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Query SET "
     "Query.PublishFlag = 1 WHERE (((Query.NeverPublishFlag)=0) AND "
     "((Query.ServiceDbID)=[argDbID]) AND ((Query.ServiceID)=[argKeyID]));"}, // 117
    {"MQ_PublishSection_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Sections SET "
     "Sections.PublishFlag = 1 WHERE (((Sections.NeverPublishFlag)=0) AND "
     "((Sections.ServiceDbID)=[argDbID]) AND ((Sections.ServiceID)=[argKeyID]));"}, // 118
    {"MQ_PublishStyle_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Styles SET "
     "Styles.PublishFlag = 1 WHERE (((Styles.NeverPublishFlag)=0) AND "
     "((Styles.ServiceDbID)=[argDbID]) AND ((Styles.ServiceID)=[argKeyID]));"}, // 119
    {"MQ_PublishTemplate_ByService",
     "PARAMETERS argDbID Long, argKeyID Long; UPDATE DISTINCTROW Templates SET "
     "Templates.PublishFlag = 1 WHERE (((Templates.NeverPublishFlag)=0) AND "
     "((Templates.ServiceDbID)=[argDbID]) AND ((Templates.ServiceID)=[argKeyID]));"}, // 120
};

constexpr size_t kMinimalCount = 3;   // positions 1 to 3
constexpr size_t kFirstPublish = 103; // positions 104 to 120 are the publish set

} // namespace

std::span<const QZStoredQueryText> QZStoredQueryTexts::All() {
    return kQueries;
}

std::span<const QZStoredQueryText> QZStoredQueryTexts::Minimal() {
    return All().first(kMinimalCount);
}

std::span<const QZStoredQueryText> QZStoredQueryTexts::BeforePublish() {
    return All().first(kFirstPublish);
}

std::span<const QZStoredQueryText> QZStoredQueryTexts::Publish() {
    return All().subspan(kFirstPublish);
}

const QZStoredQueryText* QZStoredQueryTexts::Find(std::string_view name) {
    for (const QZStoredQueryText& query : kQueries)
        if (name == query.name)
            return &query;
    return nullptr;
}
