#include "notes/richtext/BlockHeights.h"

#include <algorithm>
#include <numeric>

qreal BlockHeights::top(int block) const
{
    block = std::clamp(block, 0, count());
    const int run = block / Run;
    double y = std::accumulate(m_runs.begin(), m_runs.begin() + run, 0.0);
    for (int i = run * Run; i < block; ++i)
        y += m_heights[i];
    return y;
}

int BlockHeights::at(qreal y) const
{
    if (m_heights.empty() || y < 0)
        return 0;
    double top = 0;
    int run = 0;
    const int runs = static_cast<int>(m_runs.size());
    while (run < runs - 1 && top + m_runs[run] <= y)
        top += m_runs[run++];
    const int last = std::min(count(), (run + 1) * Run) - 1;
    int block = run * Run;
    while (block < last && top + m_heights[block] <= y)
        top += m_heights[block++];
    return block;
}

void BlockHeights::reset(int blocks, qreal estimate)
{
    m_heights.assign(blocks, static_cast<float>(estimate));
    m_measuredIn.assign(blocks, 0);
    ++m_generation;
    sumFrom(0, count());
}

void BlockHeights::replace(int first, int removed, int added, qreal estimate)
{
    first = std::clamp(first, 0, count());
    removed = std::clamp(removed, 0, count() - first);
    const int kept = std::min(removed, added);
    std::fill_n(m_measuredIn.begin() + first, kept, 0);
    const auto at = [first, kept](auto &v) { return v.begin() + first + kept; };
    if (added > removed) {
        m_heights.insert(at(m_heights), added - removed, static_cast<float>(estimate));
        m_measuredIn.insert(at(m_measuredIn), added - removed, 0);
    } else {
        m_heights.erase(at(m_heights), at(m_heights) + (removed - added));
        m_measuredIn.erase(at(m_measuredIn), at(m_measuredIn) + (removed - added));
    }
    // The same count: only the runs touched change their sums.
    sumFrom(first, added == removed ? first + added + 1 : count());
}

void BlockHeights::setMeasured(int block, qreal height)
{
    m_measuredIn[block] = m_generation;
    change(block, height);
}

void BlockHeights::change(int block, qreal height)
{
    const float was = m_heights[block];
    if (was == static_cast<float>(height))
        return;
    m_heights[block] = static_cast<float>(height);
    m_runs[block / Run] += static_cast<double>(m_heights[block]) - was;
    m_total += static_cast<double>(m_heights[block]) - was;
}

// Sums again the runs that hold paragraphs [from, to) (after a change in the count, every run
// after the change holds other paragraphs).
void BlockHeights::sumFrom(int from, int to)
{
    m_runs.resize((m_heights.size() + Run - 1) / Run);
    const int last = std::min(static_cast<int>(m_runs.size()) - 1, std::max(from, to - 1) / Run);
    for (int run = from / Run; run <= last; ++run) {
        const auto begin = m_heights.begin() + run * Run;
        const auto end = m_heights.begin() + std::min(count(), (run + 1) * Run);
        m_runs[run] = std::accumulate(begin, end, 0.0);
    }
    m_total = std::accumulate(m_runs.begin(), m_runs.end(), 0.0);
}
