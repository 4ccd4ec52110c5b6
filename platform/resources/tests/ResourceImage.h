// A test device with the resource library installed, loaded in the host context.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "TestDevice.h"
#include "windows.h"

class ResourceImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::path target = device.hostPath(u"\\Windows\\TestResources.dll");
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(TEST_RESOURCES_IMAGE, target, std::filesystem::copy_options::overwrite_existing);
        module = LoadLibraryW(u"TestResources.dll");
        ASSERT_NE(module, nullptr) << GetLastError();
    }

    void TearDown() override
    {
        if (module)
            FreeLibrary(module);
    }

    testing_support::TestDevice device;
    HMODULE module = nullptr;
};
