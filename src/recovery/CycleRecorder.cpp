#include "CycleRecorder.h"

namespace aerolap {

CycleRecorder::CycleRecorder(Cycle& cycle, const MonotonicSource& realTime, const WallClock& wall,
                             StateFile& file)
    : m_cycle(cycle), m_time(realTime), m_wall(wall), m_file(file) {
    cycle.settled.connect([this](const CycleSnapshot& snapshot) {
        if (sourceOf(snapshot) != m_written) {
            record(snapshot);
        }
    });
}

CycleRecorder::Source CycleRecorder::sourceOf(const CycleSnapshot& snapshot) {
    Source source{snapshot.settings, snapshot.running, snapshot.schedule};
    if (source.schedule) {
        source.schedule->nextStartIn.reset(); // moves with every second
    }
    return source;
}

WallClock::TimePoint CycleRecorder::wallTimeOf(MonotonicSource::TimePoint moment) const {
    return m_wall.now() -
           std::chrono::duration_cast<WallClock::TimePoint::duration>(m_time.now() - moment);
}

CycleRecord CycleRecorder::recordOf(const CycleSnapshot& snapshot) const {
    CycleRecord record{false, snapshot.settings, std::nullopt, sourceOf(snapshot).schedule};
    if (const auto& running = snapshot.running) {
        record.cycle = RecordedCycle{
            wallTimeOf(running->began), snapshot.phase,      wallTimeOf(running->phaseBegan),
            running->preparation,       running->working,    running->vuz,
            running->landingButton,     running->minuteBeeps};
    }
    return record;
}

void CycleRecorder::record(const CycleSnapshot& snapshot) {
    m_written = sourceOf(snapshot);
    m_file.write(recordOf(snapshot));
}

void CycleRecorder::recordNow() {
    record(m_cycle.now());
}

void CycleRecorder::markClean() {
    CycleRecord clean = recordOf(m_cycle.now());
    clean.clean = true;
    m_file.write(clean);
}

} // namespace aerolap
