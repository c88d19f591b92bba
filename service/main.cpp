// pequenia-local: the stand-in Pequenia service on this machine.
#include "options.h"
#include "server.h"

#include <error.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <thread>

int main(int argc, char** argv) {
    pequenia::Options options;
    try {
        options = pequenia::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << pequenia::usageText();
            return 0;
        }
    } catch (const vorn::Error& e) {
        std::cerr << "pequenia-local: " << e.what() << "\n" << pequenia::usageText();
        return 2;
    }

    // SIGINT and SIGTERM are taken by one thread with sigwait, so the stop
    // runs as ordinary code and not inside a signal handler. They are blocked
    // before any other thread starts, so every thread inherits the mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    // Past a file size limit a write then fails like a full disk, and is
    // refused, instead of the signal ending the service.
    std::signal(SIGXFSZ, SIG_IGN);

    try {
        pequenia::Service service(options);
        const int port = service.bind();
        // A stop asked before the accept loop runs would be lost, so the
        // waiter asks again until run() has returned; the mutex keeps it
        // from touching the service once main has left it.
        static std::mutex running;
        static bool finished = false;
        std::thread waiter([&service, stopSignals] {
            int sig = 0;
            sigwait(&stopSignals, &sig);
            for (;;) {
                {
                    std::lock_guard lock(running);
                    if (finished) return;
                    service.stop();
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        waiter.detach();
        std::cout << "listening on " << options.bind << ":" << port << std::endl;
        service.run();
        std::lock_guard lock(running);
        finished = true;
        std::cerr << "pequenia-local: stopped\n";
    } catch (const std::exception& e) {
        std::cerr << "pequenia-local: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
