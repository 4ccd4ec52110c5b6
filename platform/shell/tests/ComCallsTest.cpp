// COM's start-up counts per thread: the first start on a thread is S_OK, later ones S_FALSE, and
// each thread counts on its own.
#include <gtest/gtest.h>

#include <thread>

#include "objbase.h"

namespace {

TEST(ComCallsTest, EachThreadStartsComOnceAndCountsItsStarts)
{
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    HRESULT onOtherThread = E_FAIL;
    std::thread([&] { onOtherThread = CoInitializeEx(nullptr, COINIT_MULTITHREADED); }).join();
    EXPECT_EQ(onOtherThread, S_OK);
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "one start is still counted";
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK) << "all starts undone";
    CoUninitialize();
    int reserved = 0;
    EXPECT_EQ(CoInitializeEx(&reserved, COINIT_MULTITHREADED), E_INVALIDARG);
    EXPECT_EQ(CoInitializeEx(nullptr, 0x2 /* apartment-threaded */), E_INVALIDARG);
}

} // namespace
