#pragma once
// The base of everything that takes commands: windows, documents and the application object.
// Each class may declare a table of its command handlers (its message map) that is chained to
// its base class's table; OnCmdMsg looks a command or its update up in the chain and calls the
// handler. Frames override OnCmdMsg to pass a command along the route of the windows, views,
// documents and the application that may take it.
//
//     // In the class:          DECLARE_MESSAGE_MAP()
//     // In the source file:
//     BEGIN_MESSAGE_MAP(CMyFrame, CFrameWnd)
//         ON_COMMAND(ID_MY_COMMAND, OnMyCommand)
//         ON_UPDATE_COMMAND_UI(ID_MY_COMMAND, OnUpdateMyCommand)
//         ON_COMMAND_RANGE(ID_FIRST, ID_LAST, OnOneOfMany)
//     END_MESSAGE_MAP()

#include "platform/core/CObject.h"
#include "platform/ui/WindowMessages.h"

class CCmdTarget;
class CCmdUI;

// One handler: a command (or a range of them) or its update.
struct AFX_CMDMAP_ENTRY {
    int nCode; // CN_COMMAND or CN_UPDATE_COMMAND_UI; 0 with a null handler ends the table
    UINT nID;
    UINT nLastID;
    void (CCmdTarget::*pfnCommand)();
    void (CCmdTarget::*pfnCommandRange)(UINT);
    void (CCmdTarget::*pfnUpdate)(CCmdUI*);
};

// A class's table and the way to its base class's table.
struct AFX_CMDMAP {
    const AFX_CMDMAP* (*pfnGetBaseMap)();
    const AFX_CMDMAP_ENTRY* lpEntries;
};

// Filled instead of calling the handler when OnCmdMsg is only asked whether one exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // A command (CN_COMMAND) or its update (CN_UPDATE_COMMAND_UI with the CCmdUI in pExtra)
    // offered to this object; TRUE when a handler of its table took it. With pHandlerInfo the
    // handler is not called: the answer only says whether there is one.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

protected:
    virtual const AFX_CMDMAP* GetMessageMap() const;
    static const AFX_CMDMAP* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_CMDMAP* GetThisMessageMap();                                                  \
    const AFX_CMDMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_CMDMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_CMDMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_CMDMAP_ENTRY entries[] = {

// clang-format off
#define END_MESSAGE_MAP()                                                                          \
        {0, 0, 0, nullptr, nullptr, nullptr}};                                                     \
        static const AFX_CMDMAP map = {&TheBaseClass::GetThisMessageMap, entries};                 \
        return &map;                                                                               \
    }
// clang-format on

#define ON_COMMAND(id, memberFxn)                                                                  \
    {CN_COMMAND,                                                                                   \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(id),                                                                        \
     static_cast<void (CCmdTarget::*)()>(&ThisClass::memberFxn),                                   \
     nullptr,                                                                                      \
     nullptr},

#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    {CN_COMMAND,                                                                                   \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(idLast),                                                                    \
     nullptr,                                                                                      \
     static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn),                               \
     nullptr},

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                        \
    {CN_UPDATE_COMMAND_UI,                                                                         \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(id),                                                                        \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn)},

#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                          \
    {CN_UPDATE_COMMAND_UI,                                                                         \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(idLast),                                                                    \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn)},
