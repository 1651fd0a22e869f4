#pragma once

namespace Zorvane {

// Moments are Julian days of Universal Time. The model holds from 1899 to 2051; outside it the
// results drift but stay finite.

// The Sun's apparent geocentric longitude, in degrees [0, 360) on the true ecliptic and equinox
// of date, as an ephemeris gives it.
double apparentSolarLongitude(double jdUt);

// The moment nearest to jdGuess (within about two weeks) at which the Sun's apparent longitude
// reaches the given multiple of 30 degrees.
double solarIngress(int signIndex, double jdGuess);

} // namespace Zorvane
