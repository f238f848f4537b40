# SPDX-License-Identifier: GPL-3.0-or-later
# Who answers for the package and where the project lives: the Maintainer field of the Debian
# package, the changelog's sign-off, and the AppStream metainfo's links and screenshots.
set(JITSU_MAINTAINER "Jitsuryoku Maintainers <jitsuryoku-maintainers@lists.jitsuryoku.org>")
set(JITSU_HOMEPAGE "https://jitsuryoku.org/")
# The screenshots of docs/ as published beside the homepage.
set(JITSU_SCREENSHOTS_URL "https://jitsuryoku.org/docs/")
