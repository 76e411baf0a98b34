// Makes the application icon at the sizes of the icon theme's folders, for installation below
// share/icons. Run by the build; never enlarges the source.
//
//     kestrion-icons <source.png> <theme folder> <icon name> <size>[@2]...
//
// writes <theme folder>/<size>x<size>[@2]/apps/<icon name>.png for each size; "@2" is the folder of
// the size at twice the scale, whose image has twice as many pixels a side.
#include <QDir>
#include <QImage>
#include <QString>
#include <QTextStream>

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc < 5) {
        err << "usage: kestrion-icons <source.png> <theme folder> <icon name> <size>[@2]...\n";
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QDir theme(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);

    QImage image(source);
    if (image.isNull() || image.width() != image.height()) {
        err << "kestrion-icons: " << source << " is not a square image\n";
        return 1;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);

    for (int i = 4; i < argc; ++i) {
        QString folder = QString::fromLatin1(argv[i]);
        const bool doubled = folder.endsWith(QLatin1String("@2"));
        bool ok = false;
        const int size = (doubled ? folder.chopped(2) : folder).toInt(&ok);
        const int pixels = doubled ? 2 * size : size;
        if (!ok || size <= 0) {
            err << "kestrion-icons: " << folder << " is not a size\n";
            return 2;
        }
        if (pixels > image.width()) {
            err << "kestrion-icons: " << source << " is smaller than " << pixels << " pixels\n";
            return 1;
        }
        folder = QStringLiteral("%1x%1%2/apps").arg(size).arg(doubled ? QStringLiteral("@2") : QString());
        if (!theme.mkpath(folder)) {
            err << "kestrion-icons: cannot make " << theme.filePath(folder) << '\n';
            return 1;
        }
        const QImage scaled =
            pixels == image.width() ? image : image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QString target = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!scaled.save(target, "PNG")) {
            err << "kestrion-icons: cannot write " << target << '\n';
            return 1;
        }
    }
    return 0;
}
