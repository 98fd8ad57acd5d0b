// QELRegistry out of memory: every allocation of ReadString and RenameValue is
// made to fail in turn. Each answers its failure value, the stored values stay
// as they were, no exception reaches the caller and no block is left behind.
#include "ScratchKey.h"
#include "AllocationFailure.h"

namespace {
using RegistryOutOfMemoryTest = CurrentKeyTest;

TEST_F(RegistryOutOfMemoryTest, ReadStringAnswersTheDefaultAndSaysWhy)
{
    const long nBlocks = QELLiveAllocationCount();
    ASSERT_EQ(1, m_reg.WriteString("Text", "a setting long enough to need a block of its own"));
    CString strRead;
    long nAllocations = WithEachAllocationFailing([&] { strRead = m_reg.ReadString("Text", "default"); },
                                                  [&](bool bFailed) {
                                                      if (bFailed) {
                                                          EXPECT_STREQ(strRead, "default");
                                                          EXPECT_EQ(m_reg.Status(), ERROR_NOT_ENOUGH_MEMORY);
                                                      } else {
                                                          EXPECT_STREQ(strRead, "a setting long enough to need a "
                                                                                "block of its own");
                                                          EXPECT_EQ(m_reg.Status(), ERROR_SUCCESS);
                                                      }
                                                  });
    EXPECT_GE(nAllocations, 1) << "the read must reach the library's allocation";
    EXPECT_EQ(QELLiveAllocationCount(), nBlocks);
    EXPECT_EQ(Stored("Text").first, (DWORD)REG_SZ);
}

TEST_F(RegistryOutOfMemoryTest, RenameValueMovesAllOrNothing)
{
    const long nBlocks = QELLiveAllocationCount();
    const BYTE data[] = { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
    long nAllocations = WithEachAllocationFailing(
        [&] {
            RawSet(Path(), "Old", REG_BINARY, data, sizeof(data));
            ::RegDeleteKeyValueA(HKEY_CURRENT_USER, Path(), "New");
            m_reg.RenameValue("Old", "New");
        },
        [&](bool bFailed) {
            const auto moved = std::make_pair(DWORD(REG_BINARY), BytesOf(data, sizeof(data)));
            if (bFailed) {
                EXPECT_EQ(Stored("Old"), moved);
                EXPECT_EQ(Stored("New").first, 0xDEADu);
            } else {
                EXPECT_EQ(Stored("New"), moved);
                EXPECT_EQ(Stored("Old").first, 0xDEADu);
            }
        });
    EXPECT_GE(nAllocations, 1);
    EXPECT_EQ(QELLiveAllocationCount(), nBlocks);
}

TEST_F(RegistryOutOfMemoryTest, OperationsWithoutContainersNeverAllocate)
{
    // The fixed-size values live on the stack: nothing of theirs can run out.
    ASSERT_EQ(1, m_reg.WriteInt("Int", 7));
    QELFailAllocation(1);
    EXPECT_EQ(7, m_reg.ReadInt("Int", 0));
    EXPECT_EQ(1, m_reg.WriteFloat("Float", 2.5));
    EXPECT_EQ(2.5, m_reg.ReadFloat("Float", 0));
    CRect rc(1, 2, 3, 4);
    EXPECT_EQ(1, m_reg.WriteRect("Rect", &rc));
    EXPECT_EQ(1, QELAllocationsBeforeFailure()) << "an allocation was made";
    QELFailAllocation(0);
}
}
