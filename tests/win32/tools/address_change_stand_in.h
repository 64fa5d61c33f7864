#pragma once
// What the address-change stand-in library (address_change_stand_in.cpp) tells its tests apart by.

// How its next NotifyAddrChange answers: pending with a handle to complete on, as Windows does;
// pending without one, as Wine does (it never completes); or refused.
enum StandInAnswer : int { kPendingWithHandle = 0, kPendingWithoutHandle = 1, kRefused = 2 };
