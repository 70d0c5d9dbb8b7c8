#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "document/TGLabelObjectFiler.h"
#include "objects/shapes/TGLineShape.h"
#include "support/RecordingSurface.h"
#include "support/ToolProcess.h"

namespace {

class PqtoolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto line = std::make_unique<TGLineShape>();
        line->setName(QStringLiteral("Component0"));
        line->setBounds(10, 20, 50, 15);
        line->setLineStyle(TLineStyle::stVertical);
        line->pen().setColor(0x123456);
        line->setHint(QStringLiteral("it's"));
        surface.addObject(std::move(line));
        TLabelLayout layout = TLabelLayout::defaultLayout().documentPrecision();
        TGLabelObjectFiler().SaveDocument(surface, document, layout);
    }

    QTemporaryDir folder;
    QString document = folder.filePath(QStringLiteral("a.PQ"));
    RecordingSurface surface;
};

} // namespace

TEST_F(PqtoolTest, DumpShowsStoredPropertiesAndTheLayout)
{
    const ToolRun run = pqtool({QStringLiteral("dump"), document});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString expected =
        QStringLiteral("object Component0: TGLineShape\n"
                       "  Left = 10\n  Top = 20\n  Width = 50\n  Height = 15\n"
                       "  Hint = 'it''s'\n  Locked = False\n  Unselectable = False\n"
                       "  LineStyle = stVertical\n  Pen.Color = $00123456\nend\n"
                       "layout\n  TemplateName = 'Avery 5160 Address'\n  LabelHeight = 1\n"
                       "  LabelWidth = 2.6500000953674316\n");
    EXPECT_TRUE(run.out.startsWith(expected)) << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("  ArtName = ''\nend\n")));
}

TEST_F(PqtoolTest, BadFilesGiveOneLineAndANonZeroExit)
{
    QByteArray bytes;
    {
        QFile file(document);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        bytes = file.readAll();
    }
    const QString damaged = folder.filePath(QStringLiteral("damaged.PQ"));
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.left(30));
    }
    for (const QStringList &arguments :
         {QStringList{"dump", damaged}, QStringList{"dump", folder.filePath("missing.PQ")},
          QStringList{"frobnicate"}}) {
        const ToolRun run = pqtool(arguments);
        EXPECT_NE(run.exitCode, 0) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.trimmed().isEmpty());
    }
    EXPECT_EQ(pqtool({QStringLiteral("dump"), damaged}).err,
              QStringLiteral("pqtool: %1: Stream read error\n").arg(damaged));

    const QString out = folder.filePath(QStringLiteral("out.PQ"));
    EXPECT_NE(pqtool({QStringLiteral("resave"), damaged, out}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(out)) << "a failed read writes nothing";
}

TEST_F(PqtoolTest, ResaveNormalisesToTheSameBytes)
{
    const QString out = folder.filePath(QStringLiteral("out.PQ"));
    ASSERT_EQ(pqtool({QStringLiteral("resave"), document, out}).exitCode, 0);
    QFile original(document);
    QFile resaved(out);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && resaved.open(QIODevice::ReadOnly));
    EXPECT_EQ(resaved.readAll(), original.readAll());
}
