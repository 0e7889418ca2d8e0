#include "platform/qt/winregistrykeytree.h"

#ifdef Q_OS_WIN

#include <windows.h>

namespace {

const wchar_t* wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

} // namespace

bool WinRegistryKeyTree::keyExists(const QString& path) const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(path), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void WinRegistryKeyTree::copyKey(const QString& from, const QString& to) {
    HKEY source = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(from), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return;
    HKEY target = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, wide(to), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &target, nullptr) == ERROR_SUCCESS) {
        RegCopyTreeW(source, nullptr, target);
        RegCloseKey(target);
    }
    RegCloseKey(source);
}

#endif
