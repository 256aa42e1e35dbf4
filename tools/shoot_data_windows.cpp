// Writes catalogue-window.png and feed-table-window.png of one mag into a folder, to look
// at the layout. Usage: shoot_data_windows <folder> [mag name]
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "engine/mag_state.h"
#include "ui/data/mag_catalog_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [mag name]\n", argv[0]);
        return 2;
    }
    toviran::MagState mag;
    if (argc > 2) mag.MagName = argv[2];
    toviran::MagCatalogWindow catalogue(mag, {});
    catalogue.show();
    catalogue.FeedTable().show();
    QApplication::processEvents();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool ok = catalogue.grab().save(folder.filePath("catalogue-window.png")) &&
                    catalogue.FeedTable().grab().save(folder.filePath("feed-table-window.png"));
    return ok ? 0 : 1;
}
