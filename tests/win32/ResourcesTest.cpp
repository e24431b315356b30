// The resources the program's executable carries (resources/lumoclick.rc,
// linked into this test executable the same way).

#include <windows.h>

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(Resources, TheManifestSelectsVersion6OfTheCommonControls) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const auto *data = static_cast<const char *>(LockResource(LoadResource(nullptr, found)));
    const std::string_view manifest(data, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), manifest.npos);
}

TEST(Resources, TheApplicationIconIsTheFirstIcon) {
    HICON icon =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

} // namespace
