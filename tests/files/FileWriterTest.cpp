#include "files/FileWriter.h"

#include "VirtualTime.h"

#ifndef _WIN32
#include "FileSystemFaults.h"
#endif

#include <QTemporaryDir>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

/// Lines that went missing, told as "<dropped|lost> N before <next line>".
std::string missing(bool lost, std::size_t count, const std::string& next) {
    return (lost ? "lost " : "dropped ") + std::to_string(count) + " before " + next;
}

constexpr KeptFile kRecord{"The record", "the record is old"};
constexpr KeptFile kLog{"The log", "its lines are counted", missing};

/// A folder of its own, and the notices told.
struct FileWriterTest : ::testing::Test {
    std::vector<Notice> urgent() const {
        std::vector<Notice> found;
        std::ranges::copy_if(notices.entries(), std::back_inserter(found), [](const Notice& each) {
            return each.urgency == Notice::Urgency::ActNow;
        });
        return found;
    }

    /// The writing thread, once a write fails for the folder that is a file, is held inside the
    /// notice it tells until `release` is set; `held` says it is there.
    void holdTheFirstFailure() {
        notices.listen([this, first = true](const Notice& notice) mutable {
            if (notice.urgency == Notice::Urgency::ActNow && std::exchange(first, false)) {
                held.set_value();
                released.wait();
            }
        });
        std::ofstream(folder) << "a file where the folder should be";
    }

    std::promise<void> held;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    QTemporaryDir dir;
    std::filesystem::path folder = dir.filePath(QStringLiteral("files")).toStdString();
    std::filesystem::path record = folder / "record.json";
    std::filesystem::path log = folder / "day.jsonl";
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
};

// The writer is held inside a write (its failure notice is being heard): whoever hands over goes
// on without waiting, and flushing gives up at its limit. A newer record replaces the one not yet
// written; beyond the queue's room lines are dropped and counted, and the counts come first once
// the log can be written, the lost one before the dropped one.
TEST_F(FileWriterTest, WhileAWriteIsHeldUpRecordsAreReplacedAndLinesBeyondTheRoomCounted) {
    constexpr std::size_t kRoom = 5;
    holdTheFirstFailure();
    FileWriter writer(notices, kRoom);
    writer.append(kLog, log, "first");
    held.get_future().wait();

    std::filesystem::remove(folder);
    writer.replace(kRecord, record, "old");
    writer.replace(kRecord, record, "new");
    for (int line = 0; line < 12; ++line) {
        writer.append(kLog, log, std::to_string(line));
    }
    EXPECT_FALSE(writer.flush(0ms));
    release.set_value();
    ASSERT_TRUE(writer.flush(FileWriter::kPatience));

    EXPECT_EQ(contentOf(record), "new");
    EXPECT_EQ(contentOf(log), "lost 1 before 0\ndropped 7 before 0\n0\n1\n2\n3\n4\n");
}

// Held inside the write of a record (its failure is being told), the writer still says what the
// record is about to hold, the newest handed over first; once written, nothing is pending. A
// content handed over to be made is made on the writing thread, and not at all once replaced.
// Whoever waits for a content to be written hears whether it was, or the newer one that replaced
// it, and only then.
TEST_F(FileWriterTest, WhatIsHandedOverIsPendingUntilWrittenAndMadeOnlyWhenWritten) {
    holdTheFirstFailure();
    FileWriter writer(notices);
    EXPECT_EQ(writer.pending(record), std::nullopt);
    std::vector<std::string> told;
    const auto tell = [&told](std::string what) {
        return [&told, what](bool saved) { told.push_back(what + (saved ? " saved" : " lost")); };
    };
    writer.replace(
        kRecord, record, [] { return QByteArray("first"); }, tell("first"));
    held.get_future().wait();
    EXPECT_EQ(writer.pending(record), "first") << "being written";
    int replacedMade = 0;
    writer.replace(
        kRecord, record,
        [&replacedMade] {
            ++replacedMade;
            return QByteArray("replaced");
        },
        tell("replaced"));
    std::thread::id madeOn;
    writer.replace(kRecord, record, [&madeOn] {
        madeOn = std::this_thread::get_id();
        return QByteArray("second");
    });
    EXPECT_EQ(writer.pending(record), "second");
    EXPECT_EQ(writer.pending(log), std::nullopt);
    std::filesystem::remove(folder);
    EXPECT_TRUE(told.empty());
    release.set_value();
    ASSERT_TRUE(writer.flush(FileWriter::kPatience));
    EXPECT_EQ(told, (std::vector<std::string>{"first lost", "replaced saved"}));
    EXPECT_EQ(writer.pending(record), std::nullopt);
    EXPECT_EQ(contentOf(record), "second");
    EXPECT_NE(madeOn, std::this_thread::get_id());
    EXPECT_EQ(replacedMade, 0);
}

// A folder that is a file: one notice for each file, naming it and the fault, however many writes
// fail; and one more for each once it can be written again.
TEST_F(FileWriterTest, AFailureIsOneNoticeAndOneMoreWhenTheFileIsWrittenAgain) {
    std::ofstream(folder) << "not a folder";
    FileWriter writer(notices);
    for (int each = 0; each < 3; ++each) {
        writer.replace(kRecord, record, "record");
        writer.append(kLog, log, "line");
        writer.flush(FileWriter::kPatience);
    }
    ASSERT_EQ(urgent().size(), 2U) << errors.str();
    EXPECT_EQ(urgent()[0].text(), "The record " + record.string() +
                                      " cannot be written: its folder " + folder.string() +
                                      " is a file. The timer runs on; the record "
                                      "is old.");
    EXPECT_NE(urgent()[1].text().find("The log " + log.string()), std::string::npos);

    std::filesystem::remove(folder);
    writer.replace(kRecord, record, "record");
    writer.append(kLog, log, "kept");
    writer.flush(FileWriter::kPatience);
    EXPECT_EQ(contentOf(log), "lost 3 before kept\nkept\n");
    EXPECT_EQ(notices.entries().size(), 4U) << errors.str();
    EXPECT_NE(errors.str().find("The record " + record.string() + " is written again."),
              std::string::npos);
}

// A log that ends in a line cut short, by a power cut in the middle of a write: the next start
// begins on a line of its own, so the cut line alone is lost.
TEST_F(FileWriterTest, AnAppendToALogThatEndsInACutLineStartsOnANewLine) {
    std::filesystem::create_directories(folder);
    std::ofstream(log) << "whole\n{\"kind\":\"frame\",\"by";
    FileWriter(notices).append(kLog, log, "next");
    EXPECT_EQ(contentOf(log), "whole\n{\"kind\":\"frame\",\"by\nnext\n");
}

#ifndef _WIN32
// Real faults of a disk, made for the test through Linux's file-size limit and capabilities.

// A full disk in the middle of a write: the record it was to replace stays whole, the line it
// cut is ended before the next, and the lines of the bad time are counted.
TEST_F(FileWriterTest, AFullDiskLeavesTheRecordWholeAndTheCutLineEnded) {
    FileWriter writer(notices);
    writer.replace(kRecord, record, "old");
    writer.append(kLog, log, "whole");
    writer.flush(FileWriter::kPatience);
    {
        const FullDisk full;
        writer.replace(kRecord, record, QByteArray(64, 'n'));
        writer.append(kLog, log, std::string(64, 'c'));
        writer.flush(FileWriter::kPatience);
    }
    EXPECT_EQ(urgent().size(), 2U) << errors.str();
    EXPECT_EQ(contentOf(record), "old");
    writer.append(kLog, log, "next");
    writer.flush(FileWriter::kPatience);
    EXPECT_EQ(contentOf(log), "whole\n" + std::string(10, 'c') + "\nlost 1 before next\nnext\n");
}

// A folder the program may not write to: the file cannot even be opened.
TEST_F(FileWriterTest, AReadOnlyFolderIsOneNoticeForEachFile) {
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    const WithoutRootsFilePowers asAUser;
    FileWriter writer(notices);
    for (int each = 0; each < 3; ++each) {
        writer.replace(kRecord, record, "record");
        writer.append(kLog, log, "line");
        writer.flush(FileWriter::kPatience);
    }
    EXPECT_EQ(urgent().size(), 2U) << errors.str();
    EXPECT_NE(errors.str().find(log.string() + " cannot be written: "), std::string::npos);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
}
#endif

} // namespace
} // namespace aerolap::testing
