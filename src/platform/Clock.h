#pragma once

#include <QDateTime>

// The time of day as the program sees it; tests inject their own.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
