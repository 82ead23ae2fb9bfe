#pragma once
// The base of every content object of the site: the object wraps the current row of one
// recordset of the site database and gives every kind one set of operations over it (key,
// name, owning service, section and style, change and publish stamps, publish flags, directory
// and file name, save and publish). It is also the owner that template text names in messages.

#include "content/QZColumnBinding.h"
#include "db/QZApplication.h"
#include "db/QZKeyCombo.h"
#include "db/QZRecordset.h"
#include "db/QZRecordsetCache.h"
#include "platform/core/CFile.h"
#include "platform/core/CObject.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "template/QZTemplateOwner.h"

#include <memory>

class QZAttributes;
class QZSection;
struct QZSiteSettings;
class QZService;

class QZVantrelBase : public CObject, public QZTemplateOwner {
    DECLARE_DYNAMIC(QZVantrelBase)
public:
    explicit QZVantrelBase(SHORT nObjectType);
    ~QZVantrelBase() override;

    // Copies every bound column of the other object's row into this object's row (the
    // recordset's CopyFields); keys, flags and member objects stay. Written only by Save.
    QZVantrelBase& operator=(const QZVantrelBase& other);

    virtual CString GetEmptyText() const;
    // TRUE while the object holds a current row.
    virtual BOOL IsLoaded() const;
    // Stamps LastChanged and the changed-by user and rewrites the row keeping its claim. 1 when
    // the row was written; 0 for an object that is not loaded or not editable.
    virtual int Save();

    QZKeyCombo GetKey() const override;
    CString GetName() const override;
    virtual void SetName(const CString& name);
    virtual QZKeyCombo GetServiceKey() const;
    virtual void SetServiceKey(const QZKeyCombo& key);
    virtual QZKeyCombo GetSectionKey() const;
    virtual void SetSectionKey(const QZKeyCombo& key);
    virtual QZKeyCombo GetStyleKey() const;
    virtual void SetStyleKey(const QZKeyCombo& key);
    virtual COleDateTime GetLastChanged() const;
    virtual void SetLastChanged(const COleDateTime& when);
    virtual COleDateTime GetLastPublished() const;
    virtual void SetLastPublished(const COleDateTime& when);
    virtual BOOL GetPublishFlag() const;
    virtual void SetPublishFlag(BOOL flag);
    virtual BOOL GetNeverPublishFlag() const;
    virtual void SetNeverPublishFlag(BOOL flag);
    // The user keys are values: a second call never changes what the first returned.
    virtual QZKeyCombo GetChangedByKey() const;
    virtual void SetChangedByKey(const QZKeyCombo& user);
    virtual QZKeyCombo GetPublishedByKey() const;
    virtual void SetPublisher(const QZKeyCombo& user);
    virtual void SetAuthorPublishedDbID(LONG dbId);
    virtual void SetWhoPublished(LONG userId);
    virtual QZKeyCombo GetGeneratedByKey() const;
    virtual void SetGeneratedByKey(const QZKeyCombo& user);
    virtual CString GetDirectory() const;
    virtual CString GetFileName() const;
    virtual BOOL IsDeleted() const;
    virtual void SetDeleted(BOOL deleted);
    // Stamps the current user as publisher and clears PublishFlag; a page, image, Java applet
    // or multimedia object first copies its file to production and is marked only when the
    // copy succeeded. 1 when marked. The row is not saved here.
    virtual int MarkPublished();
    // Copies the object's file from the development site to the production site; after a good
    // copy stamps LastPublished and clears PublishFlag. 1 when copied.
    virtual int PublishFile();
    virtual int Generate();

    // The change and publish stamps as the kinds' editors read and write them.
    COleDateTime GetLastChangedDate() const { return GetLastChanged(); }
    COleDateTime GetLastPublishedDate() const { return GetLastPublished(); }
    LONG GetAuthorChangedDbID() const { return Read(m_Columns.authorChangedDbId); }
    LONG GetWhoChanged() const { return Read(m_Columns.whoChanged); }
    LONG GetAuthorPublishedDbID() const { return Read(m_Columns.authorPublishedDbId); }
    LONG GetWhoPublished() const { return Read(m_Columns.whoPublished); }
    void SetLastChangedDate(const COleDateTime& when) { SetLastChanged(when); }
    void SetLastPublishedDate(const COleDateTime& when) { SetLastPublished(when); }
    void SetAuthorChangedDbID(LONG dbId) { Write(m_Columns.authorChangedDbId, dbId); }
    void SetWhoChanged(LONG userId) { Write(m_Columns.whoChanged, userId); }

    // Posts a log line about this object (kind, text, line of its template text) to the
    // application.
    void PostEngineMessage(int kind, const CString& text, LONG line) override;
    SHORT GetObjectType() const override { return m_nObjectType; }

    // Loads the object's service (section) from the cache, without a claim, and keeps it.
    void LoadService();
    void LoadSection();
    QZService* GetService() const { return m_pService.get(); }
    QZSection* GetSection() const { return m_pSection.get(); }
    // Deletes the Dependents rows that name this object as the page that depends.
    void DeleteDependents();

    // Appends one part of a site path: nothing for an empty part; the first part (the site's
    // root) empties the relative back path, every later one adds the separator before it and
    // "../" to the back path for each of its levels. A later part that would leave the site
    // (an absolute path or "..") is refused: FALSE after "The directory or file name %s
    // leaves the site directory.". With createLocal the directory is made on the local disk.
    BOOL AppendPathPart(CString& path, const CString& part, const CString& separator, BOOL notFirst,
                        BOOL createLocal);
    // The directory of this object on a site: the root, the service's Directory, with
    // withSection the section's, with withOwn the object's own. FALSE after the message when
    // a part is refused. Local directories are made on the way. The service (and section)
    // must be loaded.
    BOOL BuildSiteDirectory(const QZSiteSettings& site, BOOL withSection, BOOL withOwn,
                            CString& path);
    // The directory, the separator and the file name, which may hold no separator (FALSE
    // after the message).
    BOOL BuildSitePath(const QZSiteSettings& site, const CString& fileName, BOOL withSection,
                       BOOL withOwn, CString& path);
    // Frees the service and section that LoadService and LoadSection loaded, and the style
    // loaded for an output run.
    void ReleaseRunObjects();

    // 1 while this object may write its row (it holds the row's claim).
    BOOL m_bEditable;
    // 1 while a preview writes the object's output file.
    int m_nPreviewOutput;
    // 1 while a generation writes the page file.
    int m_nGenerateOutput;

protected:
    // The load constructor's work for a kind whose rows are in Set. With bOpen, a recordset of
    // its own opened by key with a claim (a read-only copy when another user holds the row);
    // without, the row from the kind's cache when it has one, else a recordset of its own
    // without a claim. A key without a row leaves the object not loaded (an unopened recordset
    // stands in for the row). Engine errors free the recordset and pass on.
    template <class Set>
    Set* LoadRow(const QZKeyCombo& key, BOOL bOpen, QZRecordsetCache<Set>* cache,
                 const QZColumnBinding::Names& names);
    // The new-record constructor's work: a new row, numbered and claimed for the current user.
    template <class Set> Set* AddNewRow(const QZColumnBinding::Names& names);
    // The row's recordset as the kind's class; null when the object holds another.
    template <class Set> Set* RowAs() const { return dynamic_cast<Set*>(m_pRecordset.get()); }

    // The application's current user, service and section keys.
    static QZKeyCombo CurrentUserKey();
    static QZKeyCombo CurrentServiceKey();
    static QZKeyCombo CurrentSectionKey();

    template <class T> static T Read(const T* column) { return column != nullptr ? *column : T(); }
    template <class T> static void Write(T* column, T value) {
        if (column != nullptr)
            *column = value;
    }
    static QZKeyCombo KeyOf(const LONG* dbId, const LONG* id, SHORT type);
    static void WriteKey(LONG* dbId, LONG* id, const QZKeyCombo& key);

    SHORT m_nObjectType;
    QZColumnBinding m_Columns;
    BOOL m_bLoaded;
    // The row's recordset: the object's own, or shared with the kind's cache.
    std::shared_ptr<QZRecordset> m_pRecordset;
    std::unique_ptr<QZService> m_pService;
    std::unique_ptr<QZSection> m_pSection;
    std::unique_ptr<QZAttributes> m_pStyle;
    // The open output of a preview or generation run; null otherwise.
    CFile* m_pOutputFile;
    // "../" once for every directory level below the site root.
    CString m_strRelativePath;
    CString m_strDevelopSeparator;
    CString m_strProductionSeparator;

private:
    static CDaoDatabase* SiteDatabase();
    static BOOL HasCurrentRow(QZRecordset& set);
    template <class Set> Set* Adopt(std::shared_ptr<Set> set, const QZColumnBinding::Names& names);
};

template <class Set>
Set* QZVantrelBase::LoadRow(const QZKeyCombo& key, BOOL bOpen, QZRecordsetCache<Set>* cache,
                            const QZColumnBinding::Names& names) {
    m_bEditable = bOpen;
    std::shared_ptr<Set> set;
    if (!bOpen && cache != nullptr) {
        set = cache->Load(SiteDatabase(), key);
        m_bLoaded = set != nullptr;
    } else {
        set = std::make_shared<Set>(SiteDatabase());
        int result = set->OpenByKey(key, Set::GetKeyQueryName(), bOpen ? 1 : 0);
        m_bLoaded = result != QZRecordset::openNotFound && HasCurrentRow(*set);
        // Only a claim taken by this user makes the object editable.
        if (result != QZRecordset::openFound)
            m_bEditable = FALSE;
    }
    if (set == nullptr)
        set = std::make_shared<Set>(SiteDatabase());
    return Adopt(std::move(set), names);
}

template <class Set> Set* QZVantrelBase::AddNewRow(const QZColumnBinding::Names& names) {
    auto set = std::make_shared<Set>(SiteDatabase());
    m_bLoaded = set->AddNewRecord(0) == 1;
    m_bEditable = m_bLoaded;
    return Adopt(std::move(set), names);
}

template <class Set>
Set* QZVantrelBase::Adopt(std::shared_ptr<Set> set, const QZColumnBinding::Names& names) {
    m_Columns = BindColumns(*set, names);
    m_pRecordset = set;
    return set.get();
}
