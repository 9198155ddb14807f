#pragma once

#include "platform/RandomSource.h"

#include <QRandomGenerator>

class SystemRandom : public RandomSource
{
public:
    double next() override { return QRandomGenerator::global()->generateDouble(); }
};
