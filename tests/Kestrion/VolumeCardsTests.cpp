#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/DiskInfoView.h"
#include "Kestrion/Cards/PlainSymbolButton.h"
#include "Kestrion/Cards/VolumeView.h"
#include "Kestrion/Cards/VolumesView.h"
#include "Kestrion/Models/VolumesModel.h"

#include "BaseKit/IO.h"
#include "LanguageKit/LKResources.h"
#include "Platform/Registry/BlockStorageRegistryAdapter.h"
#include "Platform/Volumes/DiskEjector.h"
#include "Platform/Volumes/Mounts.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "SystemKit/Volumes/VolumesController.h"

#include "Support/VolumeTree.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Kestrion;
using SystemKit::Volume;
using SystemKit::VolumesController;

namespace {

class ScriptedEjector : public Platform::DiskEjector {
public:
    void unmountAndEject(const QString& device, bool, Done done) override
    {
        requests.append(device);
        QTimer::singleShot(0, [done, error = error] { done(error); });
    }
    QString error;
    QStringList requests;
};

// A volumes model over a machine tree whose volumes carry the given labels.
class VolumesFixture {
public:
    explicit VolumesFixture(const QByteArray& table, bool stacked = false)
        : tree(stacked ? new StackedTree : new VolumeTree(QStringLiteral("nvme-sata")))
    {
        tree->write(QStringLiteral("run/udev/data/b8:1"), "E:ID_FS_LABEL=backup\n");
        tree->write(QStringLiteral("run/udev/data/b8:2"), "E:ID_FS_LABEL=Mac\n");
        tree->write(QStringLiteral("run/udev/data/b8:4"), "E:ID_FS_LABEL=Data\n");
        tree->write(QStringLiteral("run/udev/data/b8:33"), "E:ID_FS_LABEL=Stick\n");
        tree->mountTable(table);
        EXPECT_TRUE(tree->isValid());
        auto mounts = std::make_shared<Platform::Mounts>(tree->root());
        mounts->setCapacityReader([](const QString&) {
            return std::optional<Platform::VolumeCapacity>(Platform::VolumeCapacity{1000, 250, std::nullopt});
        });
        auto registry = std::make_shared<Platform::SysfsRegistry>(tree->root());
        registry->addAdapter(std::make_unique<Platform::BlockStorageRegistryAdapter>(tree->root()));
        ejector = std::make_shared<ScriptedEjector>();
        controller = new VolumesController(SystemKit::VolumesEnvironment{mounts, registry, ejector, nullptr});
        model = std::make_unique<VolumesModel>(controller);
    }

    void remount(const QByteArray& table)
    {
        tree->mountTable(table);
        controller->refresh();
        QApplication::processEvents();
    }

    QStringList names() const
    {
        QStringList result;
        for (const VolumeModel* row : model->volumes())
            result << row->name();
        return result;
    }

    std::unique_ptr<VolumeTree> tree;
    std::shared_ptr<ScriptedEjector> ejector;
    VolumesController* controller = nullptr;
    std::unique_ptr<VolumesModel> model;
};

const QByteArray kThree = "1 0 8:4 / / rw - ext4 /dev/sda4 rw\n"
                          "2 0 8:1 / /a rw - vfat /dev/sda1 rw\n"
                          "3 0 8:2 / /b rw - ext4 /dev/sda2 rw\n";

} // namespace

TEST(VolumesModel, RowsArriveOneTurnLaterSortedByName)
{
    VolumesFixture fixture(kThree);
    EXPECT_TRUE(fixture.model->volumes().isEmpty());
    EXPECT_EQ(fixture.controller->count(), 3); // the first sample ran at once
    QApplication::processEvents();
    // Ordinal order: capitals before small letters.
    EXPECT_EQ(fixture.names(), QStringList({"Data", "Mac", "backup"}));

    // A volume announced twice has one row.
    fixture.model->addVolume(fixture.controller->volumes().first());
    EXPECT_EQ(fixture.model->volumes().size(), 3);

    fixture.remount("1 0 8:4 / / rw - ext4 /dev/sda4 rw\n3 0 8:2 / /b rw - ext4 /dev/sda2 rw\n");
    EXPECT_EQ(fixture.names(), QStringList({"Data", "Mac"}));
    fixture.remount(kThree);
    EXPECT_EQ(fixture.names(), QStringList({"Data", "Mac", "backup"}));
}

TEST(VolumesModel, RowsFollowTheVolume)
{
    VolumesFixture fixture(kThree);
    QApplication::processEvents();
    VolumeModel* row = fixture.model->volumes().first();
    Volume* volume = row->volume();
    ASSERT_TRUE(volume);
    EXPECT_EQ(row->usage(), 0.75);
    EXPECT_EQ(row->id(), QStringLiteral("sda4"));
    volume->setCapacity(1000, 900);
    EXPECT_DOUBLE_EQ(row->usage(), 0.1);
    volume->setName(QStringLiteral("zz"));
    EXPECT_EQ(fixture.names(), QStringList({"Mac", "backup", "zz"}));
}

TEST(VolumesModel, PeakRateOfTheSystemVolume)
{
    VolumesFixture fixture(kThree);
    Volume* system = fixture.controller->listedSystemVolume();
    ASSERT_TRUE(system);
    system->update(1000, 5000);
    system->update(4000, 5000);
    EXPECT_EQ(fixture.model->peakRateText(), BaseKit::IO::rateText(3000, false));
    system->update(4100, 5100);
    EXPECT_EQ(fixture.model->peakRateText(), BaseKit::IO::rateText(100, false));

    VolumesFixture container("1 0 0:50 / / rw - overlay overlay rw\n");
    EXPECT_EQ(container.model->peakRateText(), QStringLiteral("-"));
    const DiskInfoView::Texts none = DiskInfoView::texts(nullptr, QStringLiteral("-"));
    EXPECT_EQ(none.name, QStringLiteral("-"));
    EXPECT_EQ(none.usage, 0.0);
    EXPECT_FALSE(none.active);
}

TEST(DiskInfoView, TextsOfTheSystemVolume)
{
    Volume volume(QStringLiteral("/"));
    volume.setName(QStringLiteral("Data"));
    volume.setCapacity(4096, 1024);
    DiskInfoView::Texts texts = DiskInfoView::texts(&volume, QStringLiteral("3 KB/s"));
    EXPECT_EQ(texts.name, QStringLiteral("Data"));
    EXPECT_EQ(texts.rate, QStringLiteral("3 KB/s"));
    EXPECT_EQ(texts.usage, 0.75);
    EXPECT_FALSE(texts.active);
    // Used, total, free, in that order.
    EXPECT_EQ(texts.capacity, LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::capacityInfo,
                                                                  {QStringLiteral("3 KB"), QStringLiteral("4 KB"),
                                                                   QStringLiteral("1 KB")}));
    // More free than total: nothing used.
    volume.setCapacity(100, 200);
    EXPECT_TRUE(DiskInfoView::texts(&volume, {}).capacity.startsWith(QStringLiteral("0 B")));
    volume.update(10, 10);
    volume.update(10, 30);
    EXPECT_TRUE(DiskInfoView::texts(&volume, {}).active);
}

TEST(VolumesView, EmptyListRowsAndEject)
{
    VolumesFixture empty("1 0 0:50 / / rw - overlay overlay rw\n");
    VolumesView none(*empty.model, CardLookSettings::standard());
    EXPECT_TRUE(none.rows().isEmpty());
    EXPECT_FALSE(none.ejectAllButton()->isVisibleTo(&none));
    EXPECT_TRUE(none.emptyText()->isVisibleTo(&none));

    VolumesFixture fixture(kThree + "4 0 8:33 / /media/stick rw - vfat /dev/sdc1 rw\n", true);
    QApplication::processEvents();
    VolumesView card(*fixture.model, CardLookSettings::standard());
    card.resize(400, card.sizeHint().height());
    card.show();
    QApplication::processEvents();
    ASSERT_EQ(card.rows().size(), 4);
    EXPECT_TRUE(card.ejectAllButton()->isVisibleTo(&card));
    EXPECT_FALSE(card.emptyText()->isVisibleTo(&card));

    // Eject-all asks only the stick: the others are internal, one is the system volume.
    QTest::mouseClick(card.ejectAllButton(), Qt::LeftButton);
    EXPECT_EQ(fixture.ejector->requests, QStringList({"sdc1"}));
    VolumeView* stick = nullptr;
    for (VolumeView* row : card.rows())
        stick = row->model()->name() == QLatin1String("Stick") ? row : stick;
    ASSERT_TRUE(stick);
    EXPECT_FALSE(stick->ejectButton()->isEnabled());
    // The eject succeeded: the button stays off until the volume is unmounted.
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_FALSE(stick->ejectButton()->isEnabled());

    // A refused eject makes the row's button usable again; the volume stays listed.
    fixture.ejector->error = QStringLiteral("not removable");
    VolumeView* data = card.rows().first();
    QTest::mouseClick(data->ejectButton(), Qt::LeftButton);
    EXPECT_FALSE(data->ejectButton()->isEnabled());
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_TRUE(data->ejectButton()->isEnabled());
    EXPECT_EQ(fixture.ejector->requests.last(), QStringLiteral("sda4"));

    // The unmounted stick leaves the card.
    fixture.remount(kThree);
    QApplication::processEvents();
    EXPECT_EQ(card.rows().size(), 3);
}
