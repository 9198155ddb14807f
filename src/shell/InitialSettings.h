#pragma once

#include <QString>

struct AppContext;

// The options a new user starts with. Each option that is missing gets its
// initial value; a tip delay that is not a whole number of minutes from 1 to
// 99 is set back to 15. Options the user has set are left alone.
//
//   UserName       the account's full name (or its login name)
//   TipDelay       "15" minutes
//   ShowTipText    "yes"
//   ShowRnd        "no"  (tips in the order of the list)
//   ShowWhenStart  "yes" (notes come back as they were left)
//   RunWithWindows "no"  (nothing is added to the user's log-on without asking)
class InitialSettings
{
public:
    static constexpr int DefaultTipDelay = 15;

    static void apply(AppContext &ctx);
    static QString accountName();
};
