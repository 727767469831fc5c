// A multi-touch screen made with uinput (protocol B), driven by lines on standard input, one
// frame per line, its actions separated by ';':
//   down SLOT X Y [PRESSURE]   a finger lands in slot SLOT (0..9) at pixel X, Y
//   move SLOT X Y [PRESSURE]   that finger moves
//   up SLOT                    that finger lifts
// Each line ends with one SYN_REPORT; "ok" is printed once it is written. The device exists
// from "ready" until end of input, when it is destroyed with any finger still down.
//   touch_device NAME WIDTH HEIGHT [--pressure]
// Positions range over 0..WIDTH-1 and 0..HEIGHT-1; pressure over 0..255 (255 when not given).
#include <fcntl.h>
#include <linux/uinput.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <unistd.h>

static int device = -1;

static void fail(const char* what) {
    perror(what);
    exit(1);
}

static void emit(int type, int code, int value) {
    struct input_event event = {.type = type, .code = code, .value = value};
    if (write(device, &event, sizeof event) != sizeof event) {
        fail("touch_device: write");
    }
}

// Applies one action to the fingers down; returns 0 when it is not understood.
static int act(const char* action, int* down, int* nextId, int pressure) {
    char verb[8];
    int slot, x, y, p = 255;
    const int fields = sscanf(action, " %7s %d %d %d %d", verb, &slot, &x, &y, &p);
    if (fields < 2 || slot < 0 || slot > 9) {
        return 0;
    }
    const int lifting = strcmp(verb, "up") == 0, landing = strcmp(verb, "down") == 0;
    if (!lifting && (fields < 4 || (!landing && strcmp(verb, "move") != 0))) {
        return 0;
    }
    emit(EV_ABS, ABS_MT_SLOT, slot);
    if (lifting || landing) {
        emit(EV_ABS, ABS_MT_TRACKING_ID, lifting ? -1 : (*nextId)++);
        down[slot] = landing;
    }
    if (!lifting) {
        emit(EV_ABS, ABS_MT_POSITION_X, x);
        emit(EV_ABS, ABS_MT_POSITION_Y, y);
        if (pressure) {
            emit(EV_ABS, ABS_MT_PRESSURE, p);
        }
    }
    return 1;
}

static int fingers(const int* down) {
    int n = 0;
    for (int slot = 0; slot < 10; ++slot) {
        n += down[slot];
    }
    return n;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: %s NAME WIDTH HEIGHT [--pressure]\n", argv[0]);
        return 2;
    }
    const int width = atoi(argv[2]), height = atoi(argv[3]);
    const int pressure = argc > 4 && strcmp(argv[4], "--pressure") == 0;
    if ((device = open("/dev/uinput", O_WRONLY | O_NONBLOCK)) < 0) {
        fail("touch_device: /dev/uinput");
    }
    ioctl(device, UI_SET_EVBIT, EV_KEY);
    ioctl(device, UI_SET_KEYBIT, BTN_TOUCH);
    ioctl(device, UI_SET_EVBIT, EV_ABS);
    ioctl(device, UI_SET_PROPBIT, INPUT_PROP_DIRECT);
    // Axis, maximum, resolution (units a millimetre); the pressure axes only with --pressure.
    const int axes[][3] = {{ABS_X, width - 1, 10},
                           {ABS_Y, height - 1, 10},
                           {ABS_MT_SLOT, 9, 0},
                           {ABS_MT_TRACKING_ID, 65535, 0},
                           {ABS_MT_POSITION_X, width - 1, 10},
                           {ABS_MT_POSITION_Y, height - 1, 10},
                           {ABS_PRESSURE, 255, 0},
                           {ABS_MT_PRESSURE, 255, 0}};
    for (int i = 0; i < (pressure ? 8 : 6); ++i) {
        struct uinput_abs_setup axis = {.code = axes[i][0]};
        axis.absinfo.maximum = axes[i][1];
        axis.absinfo.resolution = axes[i][2];
        if (ioctl(device, UI_SET_ABSBIT, axes[i][0]) < 0 ||
            ioctl(device, UI_ABS_SETUP, &axis) < 0) {
            fail("touch_device: axis");
        }
    }
    struct uinput_setup setup = {.id = {.bustype = BUS_VIRTUAL, .vendor = 0x1209, .product = 1}};
    snprintf(setup.name, sizeof setup.name, "%s", argv[1]);
    if (ioctl(device, UI_DEV_SETUP, &setup) < 0 || ioctl(device, UI_DEV_CREATE) < 0) {
        fail("touch_device: create");
    }
    printf("ready\n");
    fflush(stdout);
    int down[10] = {0}, nextId = 1;
    char line[1024];
    while (fgets(line, sizeof line, stdin) != NULL) {
        const int before = fingers(down);
        for (char* action = strtok(line, ";\n"); action != NULL; action = strtok(NULL, ";\n")) {
            if (!act(action, down, &nextId, pressure)) {
                fprintf(stderr, "touch_device: not understood: %s\n", action);
            }
        }
        if ((before == 0) != (fingers(down) == 0)) {
            emit(EV_KEY, BTN_TOUCH, fingers(down) != 0);
        }
        emit(EV_SYN, SYN_REPORT, 0);
        printf("ok\n");
        fflush(stdout);
    }
    ioctl(device, UI_DEV_DESTROY);
    close(device);
    return 0;
}
