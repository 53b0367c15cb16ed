#pragma once
// Ends the test run when the code it guards has not returned in time: a hang (a decoder
// looping on a folder, an open blocking on a FIFO) must fail the test, not stall the run.
// Its time is for a hang only, never a bound on how fast the code is: a loaded machine may
// hold a thread back for seconds.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

class ChienDeGarde {
public:
    // Far past what any guarded call takes, however loaded the machine.
    static constexpr std::chrono::seconds BLOCAGE{60};

    ChienDeGarde(std::chrono::milliseconds delai, std::string quoi)
        : quoi_(std::move(quoi)), fil_([this, delai] {
              std::unique_lock<std::mutex> verrou(m_);
              if (!cv_.wait_for(verrou, delai, [this] { return fini_; })) {
                  std::fprintf(stderr, "FAILED: %s did not return in time\n", quoi_.c_str());
                  std::_Exit(1);
              }
          })
    {
    }
    ~ChienDeGarde()
    {
        {
            std::lock_guard<std::mutex> verrou(m_);
            fini_ = true;
        }
        cv_.notify_all();
        fil_.join();
    }
    ChienDeGarde(const ChienDeGarde&) = delete;
    ChienDeGarde& operator=(const ChienDeGarde&) = delete;

private:
    std::string quoi_;
    std::mutex m_;
    std::condition_variable cv_;
    bool fini_ = false;
    std::thread fil_;
};
