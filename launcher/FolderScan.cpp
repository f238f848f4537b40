// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderScan.h"

#include <sys/resource.h>
#include <unistd.h>

namespace jitsu::launcher {

namespace {

constexpr int kScanNiceness = 10;

}  // namespace

FolderScan::~FolderScan() {
    if (thread_) thread_->wait();
}

void FolderScan::start(const std::filesystem::path& folder) {
    folder_ = folder;
    if (thread_) {
        again_ = true;
        return;
    }
    again_ = false;
    // The results travel as queued calls on this object: dropped if it is gone by then (it
    // cannot be, it waits), and when the folder asked for changed meanwhile.
    thread_.reset(QThread::create([this, folder] {
        // Behind the window's first paint and the display server, which share the cores with
        // the scan while the window opens; the nice value of a Linux thread is its own.
        (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kScanNiceness);
        FolderOverview overview = readFolderOverview(folder);
        const bool check = canStart(true, overview);
        QMetaObject::invokeMethod(
            this,
            [this, folder, overview = std::move(overview)] {
                if (folder == folder_) emit overviewRead(overview);
            },
            Qt::QueuedConnection);
        if (!check) return;
        QMetaObject::invokeMethod(
            this,
            [this, folder, findings = yearfiles::checkYear(folder)] {
                if (folder == folder_) emit findingsRead(findings);
            },
            Qt::QueuedConnection);
    }));
    connect(thread_.get(), &QThread::finished, this, &FolderScan::finished);
    thread_->start();
}

void FolderScan::finished() {
    thread_->wait();
    thread_.reset();
    if (again_) start(folder_);
}

}  // namespace jitsu::launcher
