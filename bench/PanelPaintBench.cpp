// A full repaint of a busy label: 200 lines and shapes with the grid on, painted into an offscreen
// image as the screen paint does it. A drag repaints at 60 frames a second, so a repaint should stay
// well under 8 ms.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "design/TGGraphicControl.h"
#include "design/TGHandle.h"
#include "design/TGPelloraPanel32.h"

namespace {
const TLPanelState objectTools[] = {TLPanelState::psLine, TLPanelState::psRectangle, TLPanelState::psEllipse,
                                    TLPanelState::psRoundRectangle};

void fillPanel(TGPelloraPanel32 &panel, int count)
{
    QRandomGenerator random(42);
    for (int i = 0; i < count; ++i) {
        panel.setPanelState(objectTools[i % 4]);
        const int width = random.bounded(10, 120);
        const int height = random.bounded(15, 60);
        panel.CreateObjectInRect(QRect(random.bounded(0, panel.width() - width),
                                       random.bounded(0, panel.height() - height), width, height));
    }
    panel.setPanelState(TLPanelState::psPointing);
}

void BM_PanelRepaint(benchmark::State &state)
{
    QTemporaryDir files;
    TGPelloraPanel32 panel(files.path());
    panel.resize(338, 188);
    panel.setDrawOutline(true);
    panel.setShowGrid(true);
    fillPanel(panel, 200);
    panel.selectionFrame().AddToSelection(*panel.objectAt(0));
    panel.SetZoom(float(state.range(0)) / 10.0f);
    QImage image(panel.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        panel.paintSurface(painter, panel.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(QStringLiteral("%1 objects, %2 x %3")
                       .arg(panel.objectCount())
                       .arg(panel.width())
                       .arg(panel.height())
                       .toStdString());
}
BENCHMARK(BM_PanelRepaint)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
