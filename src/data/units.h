#pragma once

// Readings as the controller counts them, kept exact; the methods give the plain numbers for
// those that want them.

// Tenths of a volt, or whole volts on the whole-volt systems.
struct Volts {
    int count = 0;
    bool whole = false;

    double volts() const { return whole ? count : count / 10.0; }
};

// Currents are counted in tenths of an amp on every system.
struct Amps {
    int tenths = 0;

    double amps() const { return tenths / 10.0; }
};

// Clock times and durations in tenths of an hour.
struct Hours {
    int tenths = 0;

    double hours() const { return tenths / 10.0; }
};
