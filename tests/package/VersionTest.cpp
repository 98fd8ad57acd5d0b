// The version an application is told at run time, the version the headers
// promise and the version resources of both DLLs must all be one number: a
// release that bumps one of them and forgets another fails here.
#include "TestApp.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ModuleVersion
{
    bool found = false;
    DWORD fileMS = 0, fileLS = 0, productMS = 0, productLS = 0;
    DWORD fileType = 0;
    std::string fileVersion, productVersion, description, originalName;
};

std::string QueryString(const std::vector<char>& block, const char* lpszName)
{
    char szPath[128];
    std::snprintf(szPath, sizeof(szPath), "\\StringFileInfo\\040904E4\\%s", lpszName);
    char* pValue = nullptr;
    UINT nLength = 0;
    if (!::VerQueryValueA(block.data(), szPath, reinterpret_cast<void**>(&pValue), &nLength) || pValue == nullptr)
        return std::string();
    return std::string(pValue);
}

// The version resource of a module loaded in this process, read from its file.
ModuleVersion ReadModuleVersion(const char* lpszModule)
{
    ModuleVersion version;
    HMODULE hModule = ::GetModuleHandleA(lpszModule);
    char szPath[MAX_PATH];
    if (hModule == nullptr || ::GetModuleFileNameA(hModule, szPath, MAX_PATH) == 0)
        return version;
    DWORD dwHandle = 0;
    DWORD nSize = ::GetFileVersionInfoSizeA(szPath, &dwHandle);
    if (nSize == 0)
        return version;
    std::vector<char> block(nSize);
    if (!::GetFileVersionInfoA(szPath, 0, nSize, block.data()))
        return version;
    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nFixed = 0;
    if (!::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&pFixed), &nFixed) || pFixed == nullptr ||
        pFixed->dwSignature != VS_FFI_SIGNATURE)
        return version;
    version.found = true;
    version.fileMS = pFixed->dwFileVersionMS;
    version.fileLS = pFixed->dwFileVersionLS;
    version.productMS = pFixed->dwProductVersionMS;
    version.productLS = pFixed->dwProductVersionLS;
    version.fileType = pFixed->dwFileType;
    version.fileVersion = QueryString(block, "FileVersion");
    version.productVersion = QueryString(block, "ProductVersion");
    version.description = QueryString(block, "FileDescription");
    version.originalName = QueryString(block, "OriginalFilename");
    return version;
}

DWORD Pack(DWORD dwMS, DWORD dwLS)
{
    return ZUZIVU70_MAKE_VERSION(HIWORD(dwMS), LOWORD(dwMS), HIWORD(dwLS), LOWORD(dwLS));
}

TEST(VersionTest, RunTimeVersionIsTheHeadersVersion)
{
    EXPECT_EQ(ZUZIVU70_VERSION, QELGetVersion());
    char szExpected[64];
    std::snprintf(szExpected, sizeof(szExpected), "%d.%d.%d.%d", ZUZIVU70_VERSION_MAJOR, ZUZIVU70_VERSION_MINOR,
                  ZUZIVU70_VERSION_PATCH, ZUZIVU70_VERSION_BUILD);
    ASSERT_NE(nullptr, QELGetVersionString());
    EXPECT_STREQ(szExpected, QELGetVersionString());
    // The packing keeps the order of versions: each part outranks every later one.
    EXPECT_LT(ZUZIVU70_MAKE_VERSION(6, 255, 255, 255), ZUZIVU70_MAKE_VERSION(7, 0, 0, 0));
    EXPECT_LT(ZUZIVU70_MAKE_VERSION(7, 0, 255, 255), ZUZIVU70_MAKE_VERSION(7, 1, 0, 0));
    EXPECT_LT(ZUZIVU70_MAKE_VERSION(7, 1, 1, 255), ZUZIVU70_MAKE_VERSION(7, 1, 2, 0));
}

TEST(VersionTest, BothModulesCarryTheVersionResource)
{
    struct
    {
        const char* module;
        const char* fileName;
    } modules[] = { { "ZUZIVU70.dll", "ZUZIVU70.dll" }, { "ZUZIFrame.dll", "ZUZIFrame.dll" } };
    for (const auto& m : modules) {
        SCOPED_TRACE(m.module);
        ModuleVersion version = ReadModuleVersion(m.module);
        ASSERT_TRUE(version.found);
        EXPECT_EQ((DWORD)VFT_DLL, version.fileType);
        EXPECT_EQ(QELGetVersion(), Pack(version.fileMS, version.fileLS));
        EXPECT_EQ(QELGetVersion(), Pack(version.productMS, version.productLS));
        EXPECT_EQ(QELGetVersionString(), version.fileVersion);
        EXPECT_EQ(QELGetVersionString(), version.productVersion);
        EXPECT_EQ(m.fileName, version.originalName);
        EXPECT_NE(std::string::npos, version.description.find("ZUZIVU70")) << version.description;
    }
    // Each module says what it is.
    EXPECT_NE(ReadModuleVersion("ZUZIVU70.dll").description, ReadModuleVersion("ZUZIFrame.dll").description);
}

}
