// Prints what the samplers read, in one of two ways:
//
//     kestrion-sample [samples]
//         live samples of this machine's processor and memory (default 3, one a second), next to the
//         same figures worked out straight from /proc;
//     kestrion-sample --root DIR [--then DIR2] [--samples N] [--interval SECONDS]
//         every sampler's reading of a tree captured from a machine, as the cards show it, one
//         "label: value" line per value; with --then, the samples after the first read DIR2, so that
//         rates come out of the two captures (taken SECONDS apart, 1 by default).
#include "LiveSample.h"
#include "TreeSample.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints what Kestrion's samplers read."));
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("A captured tree to read instead of this machine."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption then(QStringLiteral("then"), QStringLiteral("A later capture, read by every sample after the first."),
                                  QStringLiteral("DIR2"));
    const QCommandLineOption samples(QStringLiteral("samples"), QStringLiteral("The number of samples."), QStringLiteral("N"));
    const QCommandLineOption interval(QStringLiteral("interval"),
                                      QStringLiteral("Seconds between two captured samples (default 1)."),
                                      QStringLiteral("SECONDS"));
    parser.addOptions({root, then, samples, interval});
    parser.addPositionalArgument(QStringLiteral("samples"), QStringLiteral("Live samples to take (default 3)."), QStringLiteral("[samples]"));
    parser.process(app);

    QTextStream out(stdout);
    if (!parser.isSet(root)) {
        if (parser.isSet(then)) {
            std::fputs("kestrion-sample: --then needs --root\n", stderr);
            return 2;
        }
        const QStringList positional = parser.positionalArguments();
        return liveSamples(positional.isEmpty() ? 3 : positional.first().toInt());
    }

    TreeSampleOptions options;
    options.root = parser.value(root);
    options.then = parser.value(then);
    options.samples = parser.isSet(samples) ? parser.value(samples).toInt() : (options.then.isEmpty() ? 1 : 2);
    bool ok = true;
    options.interval = parser.isSet(interval) ? parser.value(interval).toDouble(&ok) : 1.0;
    if (!ok || !(options.interval > 0) || options.samples < 1) {
        std::fputs("kestrion-sample: --samples needs a number from 1 and --interval a positive number\n", stderr);
        return 2;
    }
    return treeSamples(options, out);
}
