#include "ResultsFeed.h"

#include "ResultsJson.h"

namespace aerolap {

ResultsFeed::ResultsFeed(ScoresSession& scores) : m_scores(scores) {
    rebuild();
    // Results reach the phones when a group is confirmed, not with each card typed before: a
    // new version has every phone fetch the whole document.
    scores.changed.connect([this] {
        if (!m_scores.changedProvisionalOnly()) {
            rebuild();
        }
    });
}

void ResultsFeed::rebuild() {
    std::string shown = resultsJson(m_scores.contest(), m_scores.results());
    // A change the page cannot see (a schedule's times, a pilot's card written again the same)
    // costs the phones nothing.
    if (m_version > 0 && shown == m_shown) {
        return;
    }
    m_shown = std::move(shown);
    // The version goes in first, before the rest of the object's members.
    m_json = QByteArray::fromStdString("{\"version\":" + std::to_string(++m_version) + "," +
                                       m_shown.substr(1));
    changed.emit();
}

} // namespace aerolap
