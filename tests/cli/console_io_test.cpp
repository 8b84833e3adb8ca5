#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "console_io.h"
#include "interrupt.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define fileno _fileno
#else
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#endif

namespace {

std::vector<std::string> ReadLines(const std::string& input, size_t keep, std::vector<size_t>* lengths = nullptr) {
    std::FILE* file = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), file);
    std::fflush(file);
    std::rewind(file);
    LineReader reader(fileno(file));
    std::vector<std::string> lines;
    std::string line;
    size_t length = 0;
    while (reader.Next(line, keep, length)) {
        lines.push_back(line);
        if (lengths) lengths->push_back(length);
    }
    std::fclose(file);
    return lines;
}

TEST(LineReader, SplitsAtLineFeeds) {
    struct Row {
        std::string input;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\r\n", {"a\r"}},  // only one CR belongs to the line end
        {"a\rb\n", {"a\rb"}},
        {"\n\n", {"", ""}},
        {"a\r", {"a"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(ReadLines(row.input, static_cast<size_t>(-1)), row.lines);
    }
}

TEST(LineReader, LongLinesAcrossBlocksKeepBoundedMemory) {
    const std::string longLine(200000, '7');
    std::vector<size_t> lengths;
    const auto lines = ReadLines(longLine + "\r\n1+1\n" + longLine + "\r", 600, &lengths);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 600u);
    EXPECT_EQ(lengths[0], 200000u);
    EXPECT_EQ(lines[1], "1+1");
    EXPECT_EQ(lengths[2], 200000u);
}

// A pipe whose reading end the tests hand to the reader or writer.
struct Pipe {
    int fds[2] = {-1, -1};
    Pipe() {
#ifdef _WIN32
        EXPECT_EQ(_pipe(fds, 1 << 20, _O_BINARY), 0);
#else
        EXPECT_EQ(pipe(fds), 0);
#endif
    }
    ~Pipe() {
        CloseReading();
        CloseWriting();
    }
    void CloseReading() {
        if (fds[0] >= 0) close(fds[0]);
        fds[0] = -1;
    }
    void CloseWriting() {
        if (fds[1] >= 0) close(fds[1]);
        fds[1] = -1;
    }
    void Send(const std::string& text) {
        EXPECT_EQ(write(fds[1], text.data(), static_cast<unsigned>(text.size())), static_cast<int>(text.size()));
    }
    std::string Receive() {
        char buffer[1 << 16];
        const auto got = read(fds[0], buffer, sizeof buffer);
        return got > 0 ? std::string(buffer, static_cast<size_t>(got)) : std::string();
    }
};

// The reader must not wait to fill its block: a line that has arrived is
// handed on while the writing end is still open, and only when no complete
// line is left does it let the caller flush before it reads again.
TEST(LineReader, HandsOnEachLineAsItArrivesAndFlushesBeforeWaiting) {
    Pipe pipe;
    int waits = 0;
    auto countWait = [](void* context) { ++*static_cast<int*>(context); };
    LineReader reader(pipe.fds[0], countWait, &waits);
    std::string line;
    size_t length = 0;

    pipe.Send("1+1\n2+2\n");
    ASSERT_TRUE(reader.Next(line, 100, length));  // returns although the pipe stays open
    EXPECT_EQ(line, "1+1");
    EXPECT_EQ(waits, 1);
    ASSERT_TRUE(reader.Next(line, 100, length));
    EXPECT_EQ(line, "2+2");
    EXPECT_EQ(waits, 1);  // the second line was buffered: no read, no flush

    pipe.Send("3+");
    pipe.Send("3\n");
    ASSERT_TRUE(reader.Next(line, 100, length));
    EXPECT_EQ(line, "3+3");
    EXPECT_GE(waits, 2);

    pipe.CloseWriting();
    EXPECT_FALSE(reader.Next(line, 100, length));
    EXPECT_FALSE(reader.Failed());
}

TEST(LineReader, AStopFlagEndsWaitsButNotBufferedLines) {
    Pipe pipe;
    volatile std::sig_atomic_t stop = 0;
    LineReader reader(pipe.fds[0]);
    reader.StopOn(&stop);
    std::string line;
    size_t length = 0;

    pipe.Send("1+1\n2+2\n");
    ASSERT_TRUE(reader.Next(line, 100, length));
    EXPECT_EQ(line, "1+1");
    stop = 1;
    ASSERT_TRUE(reader.Next(line, 100, length));  // already read: handed out
    EXPECT_EQ(line, "2+2");
    pipe.Send("3+3\n");
    EXPECT_FALSE(reader.Next(line, 100, length));  // would have to read: stops
    EXPECT_TRUE(reader.Interrupted());
    EXPECT_FALSE(reader.Failed());
    EXPECT_FALSE(reader.Next(line, 100, length));  // and stays stopped
}

TEST(LineReader, WithoutAStopFlagItIsNeverInterrupted) {
    Pipe pipe;
    LineReader reader(pipe.fds[0]);
    std::string line;
    size_t length = 0;
    pipe.Send("4+4");
    pipe.CloseWriting();
    ASSERT_TRUE(reader.Next(line, 100, length));
    EXPECT_EQ(line, "4+4");
    EXPECT_FALSE(reader.Next(line, 100, length));
    EXPECT_FALSE(reader.Interrupted());
}

#ifndef _WIN32
// Ctrl+C while the reader waits in the middle of a line: the read returns,
// the half line is dropped, and the previous SIGINT action comes back when
// the catcher goes.
TEST(InterruptCatcher, StopsAReaderWaitingInTheMiddleOfALine) {
    struct sigaction before;
    sigaction(SIGINT, nullptr, &before);
    {
        Pipe pipe;
        InterruptCatcher interrupt;
        EXPECT_FALSE(interrupt.Raised());
        LineReader reader(pipe.fds[0]);
        reader.StopOn(interrupt.Flag());
        pipe.Send("5+");
        const pthread_t waiting = pthread_self();
        std::atomic<bool> returned = false;
        std::thread presser([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            pthread_kill(waiting, SIGINT);
            // A reader that slept on would hang the test: end its input instead.
            for (int i = 0; i < 200 && !returned; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (!returned) pipe.CloseWriting();
        });
        std::string line;
        size_t length = 0;
        EXPECT_FALSE(reader.Next(line, 100, length));
        returned = true;
        presser.join();
        EXPECT_TRUE(reader.Interrupted());
        EXPECT_TRUE(interrupt.Raised());
        EXPECT_EQ(line, "");
        EXPECT_EQ(length, 0u);
        interrupt.Clear();
        EXPECT_FALSE(interrupt.Raised());
    }
    struct sigaction after;
    sigaction(SIGINT, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

// A signal that comes before the next read starts waiting (no EINTR will wake
// that read): the read finds the end of its input at once, with the writer
// still there. After Ctrl+C, clearing opens the input again with what was
// sent ahead; after SIGTERM or SIGHUP it stays closed off.
TEST(Catchers, CloseOffTheInputUntilReadingGoesOn) {
    struct Row {
        int number;
        bool readsAgain;
    };
    const Row rows[] = {{SIGINT, true}, {SIGTERM, false}, {SIGHUP, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.number);
        struct sigaction before;
        sigaction(row.number, nullptr, &before);
        const auto readsAtOnce = [](int input, std::string& got) {
            pollfd ready = {input, POLLIN, 0};
            if (poll(&ready, 1, 2000) != 1) return false;
            char bytes[16] = {};
            const ssize_t count = read(input, bytes, sizeof bytes);
            got.assign(bytes, count > 0 ? static_cast<size_t>(count) : 0);
            return true;
        };
        {
            Pipe pipe;
            pipe.Send("1+2\n");
            ClosableInput input(pipe.fds[0]);
            InterruptCatcher interrupt;
            EndCatcher end;
            raise(row.number);
            EXPECT_EQ(interrupt.Raised(), row.number == SIGINT);
            EXPECT_EQ(end.Signal(), row.number == SIGINT ? 0 : row.number);
            std::string got = "?";
            ASSERT_TRUE(readsAtOnce(pipe.fds[0], got)) << "the read would wait";
            EXPECT_EQ(got, "");  // not the line waiting in the pipe
            interrupt.Clear();
            EXPECT_FALSE(interrupt.Raised());
            ASSERT_TRUE(readsAtOnce(pipe.fds[0], got));
            EXPECT_EQ(got, row.readsAgain ? "1+2\n" : "");
        }
        struct sigaction after;
        sigaction(row.number, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
}
#endif

TEST(OutputBuffer, KeepsOutputUntilFlushedAndPassesLargePiecesWhole) {
    Pipe pipe;
    OutputBuffer out(pipe.fds[1]);
    out.Put("6\n");
    out.Put('7');
    ASSERT_TRUE(out.Flush());
    EXPECT_EQ(pipe.Receive(), "6\n7");

    // More than one block: written at once, in order, nothing dropped. A
    // pipe holds less than that, so another thread empties it meanwhile.
    const std::string big(300000, 'x');
    std::string received;
    std::thread reader([&] {
        while (received.size() < big.size() + 1) received += pipe.Receive();
    });
    out.Put("a");
    out.Put(big);
    EXPECT_TRUE(out.Flush());
    reader.join();
    EXPECT_EQ(received, "a" + big);
}

#ifndef _WIN32
TEST(OutputBuffer, ReportsAWriteThatFailsAndDropsTheRest) {
    Pipe pipe;
    pipe.CloseReading();
    OutputBuffer out(pipe.fds[1]);
    auto* old = signal(SIGPIPE, SIG_IGN);
    out.Put("1\n");
    EXPECT_FALSE(out.Flush());
    EXPECT_TRUE(out.Failed());
    out.Put("2\n");
    EXPECT_FALSE(out.Flush());
    signal(SIGPIPE, old);
}
#endif

}  // namespace
