// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled with the drill logic's settings only: Qt must be out of its reach.
#if !__has_include(<string>)
#error "the probe cannot see even the standard library"
#endif
#if __has_include(<QtCore/QString>) || __has_include(<QString>)
#error "the drill logic can reach Qt's headers"
#endif
