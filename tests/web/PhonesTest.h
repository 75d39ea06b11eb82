// A live loopback server with the whole program wired in virtual time, and a phone's requests to
// it.
#pragma once

#include "TimedComposition.h"
#include "remote/CommandSignature.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <gtest/gtest.h>

namespace aerolap::testing {

struct Answer {
    int status = 0;
    QJsonObject json;
    QNetworkReply* reply = nullptr;
};

class PhonesTest : public ::testing::Test {
protected:
    PhonesTest() {
        world.timer.load(std::nullopt);
        world.runSoon();
    }
    ~PhonesTest() override { qDeleteAll(replies); }

    Answer request(const QString& path, const QByteArray* body = nullptr,
                   const QByteArray& type = "application/json") {
        QNetworkRequest asked(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path)));
        asked.setHeader(QNetworkRequest::ContentTypeHeader, type);
        QNetworkReply* reply = body != nullptr ? network.post(asked, *body) : network.get(asked);
        replies.push_back(reply);
        EXPECT_TRUE(QTest::qWaitFor([reply] { return reply->isFinished(); }, 3000))
            << path.toStdString();
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                QJsonDocument::fromJson(reply->readAll()).object(), reply};
    }
    Answer post(const QString& path, const QJsonObject& body) {
        const QByteArray bytes = QJsonDocument(body).toJson();
        return request(path, &bytes);
    }
    static QString pagePath(DeviceRole role) {
        return role == DeviceRole::Director ? QStringLiteral("/remote")
                                            : QStringLiteral("/timekeeper");
    }
    Answer pair(const QString& code, const QString& name = QStringLiteral("Director's phone"),
                DeviceRole role = DeviceRole::Director) {
        return post(pagePath(role) + "/pair", {{"code", code}, {"name", name}});
    }
    struct Device {
        std::string id;
        QByteArray secret;
    };
    Device paired(DeviceRole role = DeviceRole::Director,
                  const QString& name = QStringLiteral("Director's phone")) {
        access.openPairing(role);
        const Answer answer = pair(QString::fromStdString(*access.pairingCode(role)), name, role);
        EXPECT_EQ(answer.status, 200);
        return {answer.json["device"].toString().toStdString(),
                QByteArray::fromHex(answer.json["secret"].toString().toLatin1())};
    }
    bool cycleRuns() const { return world.form.Command7.visible(); }

    PilotsDisplayThread server;
    quint16 port = server.start(QHostAddress::LocalHost, 0).first.value_or(0);
    TimedField world{&server};
    RemoteAccess& access = *world.remote;
    GuardedMessageBoxes& boxes = world.timer.messageBoxes();
    QNetworkAccessManager network;
    std::vector<QNetworkReply*> replies;
};

} // namespace aerolap::testing
