// A design panel in a window of its own, for trying the panel by hand: place lines and shapes with
// the tool buttons, select, move, resize, align (right-click), cut and paste.
//
// With PELLORA_PANELDEMO_SCREENSHOT=<file.png> it places a few objects, selects one, saves a
// picture of the window and quits.

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include "design/TGHandle.h"
#include "design/TGPelloraPanel32.h"

namespace {
struct Tool
{
    const char *caption;
    TLPanelState state;
};

constexpr Tool tools[] = {
    {"Pointer", TLPanelState::psPointing},
    {"Line", TLPanelState::psLine},
    {"Rectangle", TLPanelState::psRectangle},
    {"Ellipse", TLPanelState::psEllipse},
    {"Round Rectangle", TLPanelState::psRoundRectangle},
};

void placeSamples(TGPelloraPanel32 &panel)
{
    const struct
    {
        TLPanelState tool;
        QRect rect;
    } samples[] = {
        {TLPanelState::psRoundRectangle, {16, 14, 90, 40}},
        {TLPanelState::psEllipse, {130, 20, 70, 50}},
        {TLPanelState::psLine, {60, 60, 12, 30}},
        {TLPanelState::psRectangle, {200, 56, 36, 24}},
    };
    for (const auto &sample : samples) {
        panel.setPanelState(sample.tool);
        panel.CreateObjectInRect(sample.rect);
    }
    panel.setPanelState(TLPanelState::psPointing);
    panel.selectionFrame().AddToSelection(*panel.objectAt(1));
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir files;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Pellora design panel"));
    auto *layout = new QVBoxLayout(&window);
    auto *toolBar = new QHBoxLayout;
    layout->addLayout(toolBar);
    auto *surround = new QWidget;
    surround->setAutoFillBackground(true);
    QPalette palette = surround->palette();
    palette.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    surround->setPalette(palette);
    surround->setMinimumSize(300, 140);
    layout->addWidget(surround, 1);
    auto *status = new QLabel;
    layout->addWidget(status);

    auto *panel = new TGPelloraPanel32(files.path(), surround);
    panel->move(21, 20);
    panel->resize(252, 96);
    panel->setDrawOutline(true);
    panel->setShape(TLabelShapeType::lsRoundRect);
    panel->setShowGrid(true);

    auto *group = new QButtonGroup(&window);
    for (const Tool &tool : tools) {
        auto *button = new QToolButton;
        button->setText(QString::fromLatin1(tool.caption));
        button->setCheckable(true);
        button->setChecked(tool.state == TLPanelState::psPointing);
        group->addButton(button, int(tool.state));
        toolBar->addWidget(button);
    }
    toolBar->addStretch();
    QObject::connect(group, &QButtonGroup::idClicked, panel,
                     [panel](int id) { panel->setPanelState(TLPanelState(id)); });
    // The shape tools hand back to the pointer once their object is down.
    QObject::connect(panel, &TGBasePanel::objectDropped, group, [panel, group] {
        panel->setPanelState(TLPanelState::psPointing);
        group->button(int(TLPanelState::psPointing))->setChecked(true);
    });
    int changes = 0;
    QObject::connect(panel, &TGBasePanel::labelChanged, status,
                     [status, &changes] { status->setText(QStringLiteral("%1 changes").arg(++changes)); });
    QObject::connect(panel, &TGBasePanel::commandFailed, status,
                     [status](const QString &message) { status->setText(message); });

    window.resize(340, 230);
    window.show();

    const QString screenshot = qEnvironmentVariable("PELLORA_PANELDEMO_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        placeSamples(*panel);
        QTimer::singleShot(300, &window, [&window, screenshot] {
            window.grab().save(screenshot);
            QApplication::quit();
        });
    }
    return app.exec();
}
