#pragma once

// The program's random numbers, injectable so that placements can be tested.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A number in [0, 1).
    virtual double next() = 0;
};
