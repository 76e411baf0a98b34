#include "ViewKit/VKDoubleTextView.h"

#include <QLayout>
#include <QVBoxLayout>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <array>

using namespace ViewKit;

namespace {

// One second of a card of label-and-value rows: every row is handed its value and the card is laid
// out. `unchanged` hands over the values the rows show already (host name, addresses, country: the
// usual second); otherwise one row's value changes each second (a rate).
void DoubleTextRowsSecond(benchmark::State& state)
{
    const bool unchanged = state.range(0) != 0;
    QWidget card;
    auto* layout = new QVBoxLayout(&card);
    const std::array<QString, 4> values{QStringLiteral("workstation"), QStringLiteral("192.168.1.20"),
                                        QStringLiteral("203.0.113.7"), QStringLiteral("Germany")};
    std::array<VKDoubleTextView*, 4> rows{};
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = VKDoubleTextView::withText(QStringLiteral("Label %1").arg(i), values[i]);
        layout->addWidget(rows[i]);
    }
    card.resize(260, 120);
    layout->activate();
    int second = 0;
    for (auto _ : state) {
        for (size_t i = 0; i < rows.size(); ++i)
            rows[i]->setRight(values[i]);
        if (!unchanged)
            rows[0]->setRight(QStringLiteral("%1.%2 KB/s").arg(second % 1000).arg(second % 10));
        ++second;
        layout->activate();
    }
}
BENCHMARK(DoubleTextRowsSecond)->Arg(1)->Arg(0);

} // namespace
