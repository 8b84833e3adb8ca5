// Reading lines from and writing answers to the console's file descriptors.
//
// Both ends work on raw descriptors, not on stdio streams, so that nothing
// waits to fill a block: the reader takes whatever has arrived (a large read
// when input is plentiful) and, before it waits for more, lets the writer
// send what has been answered so far. A program that feeds the calculator
// line by line through a pipe, or a person at a terminal, sees each answer
// before sending the next line.
#pragma once

#include <csignal>
#include <cstddef>
#include <string>

// Reads a descriptor and splits it into lines at LF; one CR directly before
// the LF is dropped; a last line without LF is a line too. Every other byte,
// NUL included, passes unchanged.
class LineReader {
public:
    // `beforeWait` (may be null) is called, with `context`, before every read
    // of the descriptor, that is, whenever no complete line is buffered.
    explicit LineReader(int fd, void (*beforeWait)(void*) = nullptr, void* context = nullptr)
        : fd_(fd), beforeWait_(beforeWait), context_(context) {}

    // Next line into `line`, keeping at most `keep` bytes of it (the rest is
    // read and dropped, so memory stays bounded); `length` is its full length.
    // False at the end of input or on a read error (see Failed).
    bool Next(std::string& line, size_t keep, size_t& length);

    // True when reading stopped on an error rather than at the end of input.
    bool Failed() const { return failed_; }

    // From now on, a wait for input ends reading when `*flag` is set, before
    // the read or when the read is interrupted by a signal (the handler that
    // sets the flag must not restart it). A line only partly read then is
    // dropped, and Next returns false with Interrupted() true. Lines already
    // buffered are still handed out: the flag stops waits, not lines.
    void StopOn(const volatile std::sig_atomic_t* flag) { stop_ = flag; }
    bool Interrupted() const { return interrupted_; }

private:
    bool Fill();
    bool StopNow();

    int fd_;
    void (*beforeWait_)(void*);
    void* context_;
    char buffer_[1 << 16];
    size_t pos_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    const volatile std::sig_atomic_t* stop_ = nullptr;
    bool interrupted_ = false;
};

// Collects output in a fixed block and writes it to a descriptor when the
// block is full or when asked to (Flush). Never allocates. After a failed
// write every later write is dropped and Failed() stays true.
class OutputBuffer {
public:
    explicit OutputBuffer(int fd) : fd_(fd) {}
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Put(const char* bytes, size_t length);
    void Put(const std::string& text) { Put(text.data(), text.size()); }
    void Put(const char* text);
    void Put(char c) { Put(&c, 1); }
    // Text of the calculator (its 8-bit character set, Windows-1252), written
    // as UTF-8.
    void PutText(const char* text);

    // Writes everything buffered; false once any write has failed.
    bool Flush();
    bool Failed() const { return failed_; }

    // For LineReader's beforeWait: flushes the OutputBuffer at `context`.
    static void FlushCallback(void* context) { static_cast<OutputBuffer*>(context)->Flush(); }

private:
    bool WriteAll(const char* bytes, size_t length);

    int fd_;
    char buffer_[1 << 16];
    size_t used_ = 0;
    bool failed_ = false;
};

// A warning on standard error, one line: the program's name and `message`.
void Warn(const std::string& message);

// How a mode ends: a warning on standard error for output that could not be
// written (its reader went away: | head -1) or input that could not be read,
// and the exit status, 0 or 1.
int FinishOutput(bool written, bool readFailed);
