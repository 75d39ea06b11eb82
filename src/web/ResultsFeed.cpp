#include "ResultsFeed.h"

#include "ResultsJson.h"

#include <QJsonDocument>

namespace aerolap {

ResultsFeed::ResultsFeed(ScoresSession& scores) : m_scores(scores) {
    rebuild();
    scores.changed.connect([this] { rebuild(); });
}

void ResultsFeed::rebuild() {
    QJsonObject shown = resultsJson(m_scores.contest(), m_scores.results());
    // A change the page cannot see (a schedule's times, a pilot's card written again the same)
    // costs the phones nothing.
    if (m_version > 0 && shown == m_shown) {
        return;
    }
    m_shown = std::move(shown);
    QJsonObject versioned = m_shown;
    versioned.insert(QStringLiteral("version"), ++m_version);
    m_json = QJsonDocument(versioned).toJson(QJsonDocument::Compact);
    changed.emit();
}

} // namespace aerolap
