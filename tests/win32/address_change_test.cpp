// The address line's change notification against a library that answers as the IP helper documents
// (tools/address_change_stand_in.cpp, beside this program): Wine's own never completes.
#include <windows.h>
#include <gtest/gtest.h>

#include "win32/tools/address_change_stand_in.h"
#include "win32/win_address_source.h"

namespace kelvor::win32 {
namespace {

using News = AddressSource::News;

constexpr const char* kStandIn = "address_change_stand_in.dll";
constexpr LateBoundApi<void()> kFireChange{kStandIn, "StandInFireChange"};
constexpr LateBoundApi<void(int)> kAnswerNextWith{kStandIn, "StandInAnswerNextWith"};
constexpr LateBoundApi<LONG()> kArms{kStandIn, "StandInArms"};
constexpr LateBoundApi<LONG()> kCancels{kStandIn, "StandInCancels"};
constexpr LateBoundApi<BOOL()> kPending{kStandIn, "StandInPending"};

// The stand-in loaded afresh (its counters at zero) with its controls; it outlives the notification
// made on it.
class StandIn {
public:
    StandIn() : fire(module.Find(kFireChange)), answerNextWith(module.Find(kAnswerNextWith)),
                arms(module.Find(kArms)), cancels(module.Find(kCancels)), pending(module.Find(kPending)) {}
    bool Loaded() const {
        return fire != nullptr && answerNextWith != nullptr && arms != nullptr && cancels != nullptr && pending != nullptr;
    }

    LoadedModule module{kStandIn};
    LateBoundPointer<kFireChange> fire;
    LateBoundPointer<kAnswerNextWith> answerNextWith;
    LateBoundPointer<kArms> arms;
    LateBoundPointer<kCancels> cancels;
    LateBoundPointer<kPending> pending;
};

TEST(WinAddressChange, EachChangeIsToldOnceAndTheRequestIsArmedAgainBeforeTheCallerReads) {
    const StandIn standIn;
    ASSERT_TRUE(standIn.Loaded()) << kStandIn << " is missing beside the test program";
    {
        AddressChangeNotification notification(standIn.module);
        EXPECT_EQ(standIn.arms(), 1);
        EXPECT_TRUE(standIn.pending());
        EXPECT_EQ(notification.ChangedSinceLastCall(), News::Unchanged);
        EXPECT_EQ(notification.ChangedSinceLastCall(), News::Unchanged);

        standIn.fire();
        EXPECT_EQ(notification.ChangedSinceLastCall(), News::Changed);
        EXPECT_EQ(standIn.arms(), 2);
        EXPECT_TRUE(standIn.pending());
        // A change right after the new request, while the caller reads the addresses.
        standIn.fire();
        EXPECT_EQ(notification.ChangedSinceLastCall(), News::Changed);
        EXPECT_EQ(standIn.arms(), 3);
        EXPECT_EQ(notification.ChangedSinceLastCall(), News::Unchanged);
        EXPECT_EQ(standIn.cancels(), 0);
    }
    // The pending request ended with the notification, so nothing writes into its OVERLAPPED later.
    EXPECT_EQ(standIn.cancels(), 1);
    EXPECT_FALSE(standIn.pending());
}

TEST(WinAddressChange, ARequestWithoutAHandleOrARefusalCannotTellAndIsNotMadeAgain) {
    for (const StandInAnswer answer : {kPendingWithoutHandle, kRefused}) {
        const StandIn standIn;
        ASSERT_TRUE(standIn.Loaded()) << kStandIn << " is missing beside the test program";
        standIn.answerNextWith(answer);
        {
            AddressChangeNotification notification(standIn.module);
            standIn.fire();
            for (int call = 0; call < 3; ++call) EXPECT_EQ(notification.ChangedSinceLastCall(), News::CannotTell) << answer;
            EXPECT_EQ(standIn.arms(), 1) << answer;
        }
        EXPECT_EQ(standIn.cancels(), 0) << answer;
    }
}

}  // namespace
}  // namespace kelvor::win32
