#pragma once

#include <QtGlobal>

#include <vector>

// The heights of a document's paragraphs, in order, for a layout that measures only the ones it
// shows: the others keep an estimate. Tops and the paragraph at a height are found from sums
// kept per run of paragraphs, so a question costs a few thousand additions for millions of
// paragraphs, and an edit re-adds only from the run it touches.
class BlockHeights
{
public:
    int count() const { return static_cast<int>(m_heights.size()); }
    qreal total() const { return m_total; }
    qreal height(int block) const { return m_heights[block]; }
    qreal top(int block) const;
    // The paragraph whose extent holds `y` (the first below 0, the last past the end).
    int at(qreal y) const;

    // Every paragraph `estimate` high, none measured.
    void reset(int blocks, qreal estimate);
    // Paragraphs [first, first + removed) become `added` ones, none measured: new ones
    // `estimate` high, those that stay keep their height as their estimate.
    void replace(int first, int removed, int added, qreal estimate);
    // A better estimate for one paragraph not measured yet.
    void estimate(int block, qreal height) { change(block, height); }
    // Measured at the current width.
    void setMeasured(int block, qreal height);
    bool isMeasured(int block) const { return m_measuredIn[block] == m_generation; }
    // The width changed: every height becomes an estimate.
    void forgetMeasures() { ++m_generation; }

private:
    static constexpr int Run = 512;
    void sumFrom(int from, int to);
    void change(int block, qreal height);

    std::vector<float> m_heights;
    std::vector<quint32> m_measuredIn; // the generation of a measured height
    std::vector<double> m_runs;        // the sum of each run of heights
    double m_total = 0;
    quint32 m_generation = 1;
};
