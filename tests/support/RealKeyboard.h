#pragma once
// The test display's real keyboard and pointer, through the X library and its XTest extension
// (both loaded at run time): keys pressed this way reach a program as a user's would. Only for
// window tests, which run one at a time on their display.

#include <dlfcn.h>

class RealKeyboard {
public:
    RealKeyboard() {
        m_x11 = dlopen("libX11.so.6", RTLD_NOW);
        m_xtest = dlopen("libXtst.so.6", RTLD_NOW);
        if (m_x11)
            m_display = Call<void* (*)(const char*)>(m_x11, "XOpenDisplay")(nullptr);
    }
    ~RealKeyboard() {
        if (m_display)
            Call<int (*)(void*)>(m_x11, "XCloseDisplay")(m_display);
    }
    bool IsUsable() const { return m_display && m_xtest; }

    // Moves the pointer to the screen position (the window under it gets the keys), then
    // presses and releases the key (X key names: "a", "space", "slash", "BackSpace"), with
    // the modifier key ("Control_L") held when one is named.
    void Press(int x, int y, const char* key, const char* modifier = nullptr) {
        const unsigned long root =
            Call<unsigned long (*)(void*)>(m_x11, "XDefaultRootWindow")(m_display);
        Call<int (*)(void*, unsigned long, unsigned long, int, int, unsigned, unsigned, int, int)>(
            m_x11, "XWarpPointer")(m_display, 0, root, 0, 0, 0, 0, x, y);
        auto fake =
            Call<int (*)(void*, unsigned, int, unsigned long)>(m_xtest, "XTestFakeKeyEvent");
        const unsigned code = CodeOf(key);
        const unsigned held = modifier ? CodeOf(modifier) : 0;
        if (held)
            fake(m_display, held, 1, 0);
        fake(m_display, code, 1, 0);
        fake(m_display, code, 0, 0);
        if (held)
            fake(m_display, held, 0, 0);
        Call<int (*)(void*)>(m_x11, "XFlush")(m_display);
    }

private:
    unsigned CodeOf(const char* key) const {
        const unsigned long keysym =
            Call<unsigned long (*)(const char*)>(m_x11, "XStringToKeysym")(key);
        return Call<unsigned char (*)(void*, unsigned long)>(m_x11, "XKeysymToKeycode")(m_display,
                                                                                        keysym);
    }
    template <typename F> static F Call(void* library, const char* name) {
        return reinterpret_cast<F>(dlsym(library, name));
    }

    void* m_x11 = nullptr;
    void* m_xtest = nullptr;
    void* m_display = nullptr;
};
