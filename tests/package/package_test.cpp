// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/pointerart.h"
#include "tests/support/command.h"
#include "window/pointerimages.h"
#include "xsession/xsession.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <elf.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The package unpacked into a temporary root, removed afterwards.
class Unpacked : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(deb_)) << "no package " << deb_;
    std::string pattern = (fs::temp_directory_path() / "resx-package-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    const CommandOutput unpack = runCommand("dpkg-deb -x '" + deb_.string() + "' '" + root_.string() + "'");
    ASSERT_EQ(unpack.status, 0) << unpack.text;
  }
  void TearDown() override {
    if (!root_.empty()) {
      fs::remove_all(root_);
    }
  }

  // The rest of the first line of an unpacked file that starts with `key`.
  [[nodiscard]] std::string value(const std::string &file, const std::string &key) const {
    std::ifstream in(root_ / file);
    for (std::string line; std::getline(in, line);) {
      if (line.starts_with(key)) {
        return line.substr(key.size());
      }
    }
    return "(no " + key + " in " + file + ")";
  }

  fs::path deb_ = RESX_PACKAGE;
  fs::path root_;
};

const std::string kEntry = "usr/share/applications/org.resx.ResX.desktop";
const std::string kMetadata = "usr/share/metainfo/org.resx.ResX.metainfo.xml";

} // namespace

TEST_F(Unpacked, HoldsTheProgramItsManualValidMetadataAndSharpIcons) {
  const fs::path program = root_ / "usr/bin/resx";
  ASSERT_TRUE(fs::exists(program));
  EXPECT_NE(fs::status(program).permissions() & fs::perms::owner_exec, fs::perms::none);

  const fs::path entry = root_ / "usr/share/applications/org.resx.ResX.desktop";
  const CommandOutput valid = runCommand("desktop-file-validate '" + entry.string() + "'");
  EXPECT_EQ(valid.status, 0);
  EXPECT_EQ(valid.text, "");
  // Fails on errors and warnings; a newer validator's infos do not count.
  const fs::path metadata = root_ / "usr/share/metainfo/org.resx.ResX.metainfo.xml";
  const CommandOutput validMetadata = runCommand("appstreamcli validate --no-net '" + metadata.string() + "'");
  EXPECT_EQ(validMetadata.status, 0) << validMetadata.text;
  const CommandOutput manual = runCommand("gzip -dc '" + (root_ / "usr/share/man/man1/resx.1.gz").string() + "'");
  EXPECT_EQ(manual.status, 0) << manual.text;
  EXPECT_NE(manual.text.find(RESX_VERSION), std::string::npos) << manual.text;

  const auto installedIcon = [this](int size) {
    const fs::path file = root_ / ("usr/share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) +
                                   "/apps/org.resx.ResX.png");
    return QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_ARGB32);
  };
  EXPECT_EQ(installedIcon(16), pointerimages::image(pointerart::smallWindowIcon()));
  const QImage icon = pointerimages::image(pointerart::windowIcon()).convertToFormat(QImage::Format_ARGB32);
  for (const int factor : {1, 2, 4, 8}) {
    EXPECT_EQ(installedIcon(32 * factor), pointerimages::enlarged(icon, factor)) << 32 * factor;
  }
}

// What menus and software centres read: one id, the application's, names the
// menu entry's file, the metadata's component and what it launches.
TEST_F(Unpacked, TheMenuEntryAndTheMetadataGoByTheApplicationId) {
  EXPECT_STREQ(RESX_ID, "org.resx.ResX");
  struct Row {
    const std::string &file;
    const char *key;
    const char *value;
  };
  const Row rows[] = {
      {kEntry, "Categories=", "Education;Electronics;Engineering;"},
      {kEntry, "Icon=", "org.resx.ResX"},
      {kEntry, "Exec=", "resx"},
      {kMetadata, "  <id>", "org.resx.ResX</id>"},
      {kMetadata, "  <launchable type=\"desktop-id\">", "org.resx.ResX.desktop</launchable>"},
  };
  for (const Row &row : rows) {
    EXPECT_EQ(value(row.file, row.key), row.value) << row.file;
  }
}

TEST_F(Unpacked, DependsOnTheQtAndCLibrariesItLinks) {
  const CommandOutput depends = runCommand("dpkg-deb -f '" + deb_.string() + "' Depends");
  ASSERT_EQ(depends.status, 0) << depends.text;
  EXPECT_NE(depends.text.find("libqt6widgets6"), std::string::npos) << depends.text;
  EXPECT_NE(depends.text.find("libc6"), std::string::npos) << depends.text;
  EXPECT_NE(depends.text.find("fonts-dejavu-core"), std::string::npos) << depends.text;
}

// Named for the machine its program runs on, also when built on another (arm64 on a PC).
TEST_F(Unpacked, IsForTheArchitectureOfItsProgram) {
  const CommandOutput field = runCommand("dpkg-deb -f '" + deb_.string() + "' Architecture");
  ASSERT_EQ(field.status, 0) << field.text;
  Elf64_Ehdr elf{};
  std::ifstream(root_ / "usr/bin/resx", std::ios::binary).read(reinterpret_cast<char *>(&elf), sizeof elf);
  const std::map<int, std::string> debian{{EM_X86_64, "amd64\n"}, {EM_AARCH64, "arm64\n"}};
  ASSERT_TRUE(debian.contains(elf.e_machine)) << "machine " << elf.e_machine;
  EXPECT_EQ(field.text, debian.at(elf.e_machine));
}

TEST_F(Unpacked, PassesLintian) {
  if (runCommand("command -v lintian").status != 0) {
    GTEST_SKIP() << "lintian is not installed";
  }
  const CommandOutput lintian = runCommand("lintian --fail-on error,warning '" + deb_.string() + "'");
  EXPECT_EQ(lintian.status, 0) << lintian.text;
}

TEST_F(Unpacked, TheProgramOpensItsWindowAndClosesCleanly) {
  const XSession session;
  ASSERT_TRUE(session.ok()) << "Xvfb did not start";
  const pid_t pid = session.launch((root_ / "usr/bin/resx").string());
  const auto window = session.waitForWindow("Цветовая маркировка по ГОСT175-72 и 62IEC", 10s);
  ASSERT_TRUE(window) << "the unpacked program showed no window";
  EXPECT_EQ(window->width, 347);
  // A task bar ties the window to its menu entry, and so to its name and icon, by this.
  EXPECT_EQ(session.windowClass(*window), value(kEntry, "StartupWMClass="));
  session.close(*window);
  EXPECT_EQ(XSession::waitForExit(pid, 2s), 0);
}
