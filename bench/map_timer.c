/* Starts a program and reports, on one line, the milliseconds from fork until the X server
 * maps its first top-level window (seen as MapNotify on the root window) and the peak
 * resident memory in kilobytes, read when the program is ended 300 ms later.
 * Usage: map-timer PROGRAM [ARGUMENT...] */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <poll.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1;
    const int fd = ConnectionNumber(display);
    while (mapped < 0 && now_ms() - start < 10000) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                mapped = now_ms() - start;
                break;
            }
        }
        if (mapped < 0) {
            struct pollfd wait_for = {fd, POLLIN, 0};
            poll(&wait_for, 1, 10);
        }
    }
    usleep(300 * 1000);
    kill(child, SIGTERM);
    int status = 0;
    struct rusage usage;
    wait4(child, &status, 0, &usage);
    if (mapped < 0) {
        fprintf(stderr, "no window was mapped\n");
        return 1;
    }
    printf("%.1f %ld\n", mapped, usage.ru_maxrss);
    return 0;
}
