#include "SunPosition.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <initializer_list>
#include <iterator>

namespace Zorvane {

namespace {

// Annual aberration of the Sun at one au, in arcseconds.
constexpr double kAberration = 20.4955;

double horner(double t, std::initializer_list<double> coefficients)
{
    double sum = 0;
    for (auto c = std::rbegin(coefficients); c != std::rend(coefficients); ++c)
        sum = sum * t + *c;
    return sum;
}

// Signed difference a - b folded into (-180, 180].
double angleDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180)
        d -= 360;
    else if (d <= -180)
        d += 360;
    return d;
}

// TT - UT in seconds for a Julian day of UT: Espenak and Meeus, "Five Millennium Canon of Solar
// Eclipses" (NASA/TP-2006-214141).
double deltaTSeconds(double jdUt)
{
    const double y = 2000 + (jdUt - ERFA_DJ00) / ERFA_DJY;
    if (y < 1900) {
        const double t = y - 1860;
        return horner(t, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1 / 233174.0});
    }
    if (y < 1920)
        return horner(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941)
        return horner(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961)
        return horner(y - 1950, {29.07, 0.407, -1 / 233.0, 1 / 2547.0});
    if (y < 1986)
        return horner(y - 1975, {45.45, 1.067, -1 / 260.0, -1 / 718.0});
    if (y < 2005) {
        const double t = y - 2000;
        return horner(t, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    }
    if (y < 2050)
        return horner(y - 2000, {62.92, 0.32217, 0.005589});
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

} // namespace

double apparentSolarLongitude(double jdUt)
{
    const double tt = jdUt + deltaTSeconds(jdUt) / ERFA_DAYSEC;
    const double d1 = ERFA_DJM0;
    const double d2 = tt - ERFA_DJM0;

    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(d1, d2, heliocentric, barycentric);
    double sun[3];
    for (int i = 0; i < 3; ++i)
        sun[i] = -heliocentric[0][i];

    double toEcliptic[3][3];
    eraEcm06(d1, d2, toEcliptic);
    double ecliptic[3];
    eraRxp(toEcliptic, sun, ecliptic);

    double dpsi = 0;
    double deps = 0;
    eraNut06a(d1, d2, &dpsi, &deps);

    const double distance = eraPm(sun);
    double longitude = std::atan2(ecliptic[1], ecliptic[0]) * ERFA_DR2D;
    longitude += dpsi * ERFA_DR2D - kAberration / 3600.0 / distance;
    longitude = std::fmod(longitude, 360.0);
    return longitude < 0 ? longitude + 360 : longitude;
}

double solarIngress(int signIndex, double jdGuess)
{
    const double target = 30.0 * (((signIndex % 12) + 12) % 12);
    // The Sun moves a little under a degree a day, never far from its mean rate, so Newton's
    // steps on the mean rate converge to well under a second in a handful of rounds.
    constexpr double kMeanDegreesPerDay = 360.0 / 365.2422;
    double jd = jdGuess;
    for (int i = 0; i < 8; ++i) {
        const double step =
            angleDifference(target, apparentSolarLongitude(jd)) / kMeanDegreesPerDay;
        jd += step;
        if (std::fabs(step) < 0.01 / ERFA_DAYSEC)
            break;
    }
    return jd;
}

} // namespace Zorvane
