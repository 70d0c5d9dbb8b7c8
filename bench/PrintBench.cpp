// Printing to PDF through the same report engine and imaging loop as the program: one 30-label
// sheet of a mixed design (text, counter, shapes) and 1000 sheets of a counter design, where every
// label differs. Run with --make-documents DIR to write the two designs as documents for
// bench/compare-glabels.sh instead.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "design/TGBasePanel.h"
#include "document/TGLabelObjectFiler.h"
#include "objects/ObjectClasses.h"
#include "objects/shapes/TGLabelShapes.h"
#include "objects/shapes/TGLineShape.h"
#include "objects/text/TGCounterLabel.h"
#include "objects/text/TGPLabel.h"
#include "print/LabelSheetImager.h"
#include "print/PdfReport.h"

namespace {

template<typename T> T &place(TGBasePanel &panel, int left, int top, int width, int height)
{
    T &object = static_cast<T &>(*panel.addObject(std::make_unique<T>()));
    object.setName(panel.uniqueObjectName(QStringLiteral("Component"), 0, 1000));
    object.setBounds(left, top, width, height);
    object.Loaded();
    return object;
}

void counterDesign(TGBasePanel &panel)
{
    TGCounterLabel &counter = place<TGCounterLabel>(panel, 10, 30, 200, 30);
    counter.setTextBefore(QStringLiteral("No. "));
    counter.setLeadingZeros(5);
}

void textDesign(TGBasePanel &panel)
{
    place<TGPLabel>(panel, 10, 30, 200, 30).setCaption(QStringLiteral("Pellora Label Company"));
}

void mixedDesign(TGBasePanel &panel)
{
    place<TGLabelShapes>(panel, 2, 2, 250, 92);
    place<TGPLabel>(panel, 10, 8, 200, 24).setCaption(QStringLiteral("Pellora Label Company"));
    counterDesign(panel);
    place<TGLineShape>(panel, 10, 70, 230, 4);
}

void printSheets(benchmark::State &state, void (*design)(TGBasePanel &), int sheets)
{
    QTemporaryDir folder;
    TGBasePanel panel(folder.path());
    design(panel);
    LabelSheetJob job;
    job.layout = TLabelLayout::defaultLayout();
    job.selection = LabelSheetJob::allPositions(job.layout);
    job.pages = sheets;
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    for (auto _ : state) {
        panel.PrepareForPrinting();
        PdfReport report(pdf, ReportPaper::fromCode(job.layout.PaperSize));
        LabelSheetImager imager(panel, report, job);
        if (imager.run() != LabelSheetImager::Outcome::Completed)
            state.SkipWithError("the job did not complete");
    }
    const int labels = sheets * job.layout.LabelsAcross * job.layout.LabelsDown;
    state.counters["sheets/s"] =
        benchmark::Counter(double(sheets), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["labels/s"] =
        benchmark::Counter(double(labels), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_MixedSheetToPdf(benchmark::State &state)
{
    printSheets(state, mixedDesign, 1);
}
BENCHMARK(BM_MixedSheetToPdf)->Unit(benchmark::kMillisecond);

void BM_CounterSheetsToPdf(benchmark::State &state)
{
    printSheets(state, counterDesign, int(state.range(0)));
}
BENCHMARK(BM_CounterSheetsToPdf)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

int makeDocuments(const QString &folder)
{
    QDir().mkpath(folder);
    const struct
    {
        const char *name;
        void (*design)(TGBasePanel &);
    } documents[] = {{"text.PQ", textDesign}, {"counter.PQ", counterDesign}, {"mixed.PQ", mixedDesign}};
    QTemporaryDir scratch;
    for (const auto &document : documents) {
        TGBasePanel panel(scratch.path());
        document.design(panel);
        TGLabelObjectFiler().SaveDocument(panel, QDir(folder).filePath(QString::fromLatin1(document.name)),
                                          TLabelLayout::defaultLayout().documentPrecision());
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerLabelObjectClasses();
    if (argc == 3 && std::strcmp(argv[1], "--make-documents") == 0)
        return makeDocuments(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
