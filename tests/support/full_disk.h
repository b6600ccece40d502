// A test's own small file system, filled to its last byte: a full disk to save onto.
#pragma once

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

// A small file system of its own, filled to the last block: needs root to mount.
template <class Base = ::testing::Test>
class FullDiskTest : public Base {
  protected:
    void SetUp() override {
        Base::SetUp();
        ASSERT_TRUE(dir.isValid());
        if (::geteuid() != 0) GTEST_SKIP() << "not root: cannot mount a small file system";
        if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                    "size=64k,mode=0755") != 0)
            GTEST_SKIP() << "mounting a small file system failed: " << strerror(errno);
        mounted = true;
    }
    void TearDown() override {
        if (mounted) ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
        Base::TearDown();
    }
    // Fills the file system up to its last byte.
    void fill() {
        QFile f(dir.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'x');
        while (f.write(block) == block.size()) {
        }
        while (f.write("x", 1) == 1) {
        }
    }
    QTemporaryDir dir;
    bool mounted = false;
};
using FullDisk = FullDiskTest<>;
