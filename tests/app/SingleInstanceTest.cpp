#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

#include "app/SingleInstance.h"

namespace {
QString uniqueName()
{
    return QStringLiteral("pellora-test-") + QUuid::createUuid().toString(QUuid::Id128);
}
} // namespace

TEST(SingleInstanceTest, ASecondStartHandsItsDocumentToTheFirst)
{
    const QString name = uniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.becomePrimary());
    QSignalSpy requests(&first, &SingleInstance::activationRequested);

    const SingleInstance second(name);
    SingleInstance probe(name);
    EXPECT_FALSE(probe.becomePrimary());
    ASSERT_TRUE(second.sendToPrimary(QStringLiteral("/tmp/label é.PQ")));
    while (requests.isEmpty() && requests.wait()) {
    }
    // The probe's bare connection asks for nothing.
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.at(0).at(0).toString(), QStringLiteral("/tmp/label é.PQ"));
}

TEST(SingleInstanceTest, WithNobodyListeningTheStartRunsAlone)
{
    const SingleInstance lonely(uniqueName());
    EXPECT_FALSE(lonely.sendToPrimary(QStringLiteral("/tmp/a.PQ")));
}
