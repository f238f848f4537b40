// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThread>
#include <filesystem>
#include <memory>
#include <vector>

#include "FolderOverview.h"
#include "YearCheck.h"

namespace jitsu::launcher {

// Reads a data folder off the GUI thread, so that a window can show before it knows the folder:
// first what the folder holds (overviewRead), then, where the programs can start in it, the
// year check's findings (findingsRead). Both arrive on the thread that owns the scan, and only
// for the folder last asked for. A scan asked for while one runs starts when that one ends.
class FolderScan : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Waits for a running scan; what it finds is dropped.
    ~FolderScan() override;

    void start(const std::filesystem::path& folder);

signals:
    void overviewRead(const jitsu::launcher::FolderOverview& overview);
    void findingsRead(const std::vector<jitsu::yearfiles::Finding>& findings);

private:
    void finished();

    std::filesystem::path folder_;
    std::unique_ptr<QThread> thread_;
    bool again_ = false;
};

}  // namespace jitsu::launcher
