#pragma once
// The program's settings objects and tables that exist once. The first
// Instance makes the object, never static initialisation, so that the settings
// store's folder (STRAKON_CONFIG_DIR, a test's folder) is known by then.
// Release deletes it at exit; a later Instance makes a new one.
//
//   class AFooAttributes : public AStorageBase, public ASingleton<AFooAttributes> { ... };
template <class T> class ASingleton {
public:
    static T* Instance() {
        if (!s_pInstance) s_pInstance = new T;
        return s_pInstance;
    }
    // The object when one exists; never makes one.
    static T* Peek() { return s_pInstance; }
    static void Release() {
        delete s_pInstance;
        s_pInstance = nullptr;
    }
    // Puts object (a table read from another file, say) in the place of the
    // current one, which is deleted; the next Release deletes object.
    static void Replace(T* object) {
        if (object == s_pInstance) return;
        delete s_pInstance;
        s_pInstance = object;
    }

private:
    inline static T* s_pInstance = nullptr;
};
