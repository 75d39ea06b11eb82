#pragma once

#include "elements/Signal.h"
#include "scores/ScoresSession.h"

#include <QByteArray>
#include <string>

namespace aerolap {

/// The results for the pilots' page, built once after each change of the scores that the pilots
/// should see (a confirmation, a correction, the rules; not a card typed into a group still being
/// entered) on the thread the scores live on, between the timer's handlers, so that the server's
/// thread only hands the bytes out. The version grows only when what the page would show changes:
/// the page fetches /api/results once per version. Handing the bytes to the server is left to those
/// who listen.
class ResultsFeed {
public:
    explicit ResultsFeed(ScoresSession& scores);
    ResultsFeed(const ResultsFeed&) = delete;
    ResultsFeed& operator=(const ResultsFeed&) = delete;

    /// Counted from 1; versions only ever grow.
    int version() const { return m_version; }
    /// {"version": 3, ...} with the rest as resultsJson makes it.
    const QByteArray& json() const { return m_json; }

    /// Raised after each new version.
    Signal<> changed;

private:
    void rebuild();

    ScoresSession& m_scores;
    std::string m_shown;
    QByteArray m_json;
    int m_version = 0;
};

} // namespace aerolap
