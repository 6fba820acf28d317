#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Writes and removes recovery copies on a thread of its own, so that no
// keystroke waits for the disk. Requests for one file are carried out in the
// order given; a newer request for a file replaces one still waiting.
class RecoveryWriter
{
public:
    // Told on the writer's thread, after each write, whether it reached the disk.
    using Done = std::function<void(const std::string& file, bool written)>;

    explicit RecoveryWriter(Done done);
    // Carries out what is waiting, then ends the thread.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(const std::string& file, std::string bytes);
    void remove(const std::string& file);
    // Waits until every request made so far has been carried out.
    void flush();

private:
    struct Request
    {
        std::string file;
        std::optional<std::string> bytes; // nothing: remove the file
    };

    void enqueue(Request request);
    void run();

    Done m_done;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Request> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;
};
