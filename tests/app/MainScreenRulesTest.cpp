#include <QFile>

#include <gtest/gtest.h>

#include "app/MainScreenRules.h"
#include "ProgramFolderScope.h"

using namespace MainScreenRules;

TEST(MainScreenRulesTest, Captions)
{
    EXPECT_EQ(windowCaption({}), QStringLiteral("Pellora"));
    EXPECT_EQ(windowCaption(QStringLiteral("/home/a/labels/Cards.PQ")), QStringLiteral("Pellora - Cards.PQ"));
    EXPECT_EQ(templateCaption(QStringLiteral("Avery 5160 Address")),
              QStringLiteral("Change Label Layout    (Avery 5160 Address)"));
    EXPECT_EQ(templateCaption(QStringLiteral("USER DEFINED")),
              QStringLiteral("Change Label Layout    (User Defined)"));

    const struct
    {
        DefaultFontPreference font;
        const char *caption;
    } fonts[] = {
        {{QStringLiteral("Arial"), 10, false, false, false}, "Default Font: Arial, 10 pt "},
        {{QStringLiteral("Arial"), 10, true, false, false}, "Default Font: Arial, 10 pt , bold"},
        {{QStringLiteral("Times New Roman"), 14, true, true, true},
         "Default Font: Times New Roman, 14 pt , bold, italic"},
        {{QStringLiteral("Arial"), 8, false, true, false}, "Default Font: Arial, 8 pt , italic"},
    };
    for (const auto &entry : fonts)
        EXPECT_EQ(defaultFontCaption(entry.font), QLatin1String(entry.caption));
}

TEST(MainScreenRulesTest, DocumentExtensionInAnyCase)
{
    for (const char *path : {"a.PQ", "/x/b.pq", "c.Pq", "/y.z/d.pQ"})
        EXPECT_TRUE(isDocumentPath(QLatin1String(path))) << path;
    for (const char *path : {"a.PQX", "b.txt", "PQ", "/x.PQ/readme", "c.P"})
        EXPECT_FALSE(isDocumentPath(QLatin1String(path))) << path;
}

TEST(MainScreenRulesTest, ProposedNameSkipsTakenNumbers)
{
    const ProgramFolderScope scope;
    EXPECT_EQ(proposedSaveName(scope.folder()), QStringLiteral("PQ0001.PQ"));
    for (const char *name : {"PQ0001.PQ", "PQ0002.PQ", "PQ0004.PQ"})
        QFile(scope.folder() + QLatin1String(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(proposedSaveName(scope.folder()), QStringLiteral("PQ0003.PQ"));
}

TEST(MainScreenRulesTest, ZoomStepsFromOneHundredPercent)
{
    float scale = 1.0f;
    QStringList captions;
    while (const std::optional<float> next = zoomedOut(scale)) {
        scale = *next;
        captions << zoomCaption(scale);
    }
    EXPECT_EQ(captions, (QStringList{"90%", "80%", "70%", "60%", "50%"}));
    captions.clear();
    while (const std::optional<float> next = zoomedIn(scale)) {
        scale = *next;
        captions << zoomCaption(scale);
    }
    EXPECT_EQ(captions,
              (QStringList{"60%", "70%", "80%", "90%", "100%", "110%", "120%", "130%", "140%", "150%"}));
    // Single-precision steps: 1.0 + 0.1 is the float nearest 1.1.
    EXPECT_EQ(*zoomedIn(1.0f), 1.1f);
}

TEST(MainScreenRulesTest, ArtPictureNames)
{
    EXPECT_EQ(artPictureName(QStringLiteral("AV5196.BMP")), QStringLiteral("AV5196"));
    EXPECT_EQ(artPictureName(QStringLiteral("av5305.bmp.old")), QStringLiteral("AV5305"));
    EXPECT_EQ(artPictureName(QStringLiteral("AV8166")), QStringLiteral("AV8166"));
}
