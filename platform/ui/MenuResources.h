#pragma once
// The program's menu resources: a menu bar as a list of pop-up menus, each a list of items
// (commands with their texts, separators, nested pop-ups); and the accelerator tables, each a
// list of keys with the command they send. The resource folder registers them at start-up; a
// frame's LoadMenuBar and LoadAccelTable find them here.

#include "platform/core/Types.h"

constexpr UINT MF_POPUP = 0x0010;

struct MenuItemTemplate {
    // MF_STRING, MF_SEPARATOR or MF_POPUP.
    UINT flags;
    UINT id;
    const char* text;
    // The items of a pop-up.
    const MenuItemTemplate* items = nullptr;
    int count = 0;
};

struct MenuTemplate {
    const MenuItemTemplate* items;
    int count;
};

// Accelerator flags: the key is a virtual key (else a character), and the modifiers.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

struct AcceleratorTemplate {
    const ACCEL* entries;
    int count;
};

struct MenuResources {
    // Keep the resources (not copied: they must outlive their use) under `id`.
    static void RegisterMenu(UINT id, const MenuTemplate* menu);
    static void RegisterAccelerators(UINT id, const AcceleratorTemplate* table);
    // The resource of `id`, or nullptr.
    static const MenuTemplate* LookupMenu(UINT id);
    static const AcceleratorTemplate* LookupAccelerators(UINT id);
};
