// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screens.h"

#include "app/about_screen.h"
#include "app/exercise_menu.h"
#include "app/navigator.h"
#include "app/reciprocal_menu.h"
#include "app/splash_screen.h"
#include "drills/fact_cards/fact_card_screen.h"
#include "drills/fraction_division/form2.h"
#include "drills/reciprocal_menu/form3.h"
#include "drills/reciprocal_menu/form4.h"
#include "drills/reciprocal_menu/form6.h"
#include "drills/whole_division/form8.h"

namespace {

template <typename Screen>
Navigator::Factory make()
{
    return [](Navigator& navigator) { return std::make_unique<Screen>(navigator); };
}

}  // namespace

void registerScreens(Navigator& navigator)
{
    navigator.registerScreen(ScreenId::Form1, make<SplashScreen>());
    navigator.registerScreen(ScreenId::Form7, make<ExerciseMenu>());
    navigator.registerScreen(ScreenId::Form5, make<ReciprocalMenu>());
    navigator.registerScreen(ScreenId::Form12, make<AboutScreen>());
    navigator.registerScreen(ScreenId::Form2, make<Form2>());
    navigator.registerScreen(ScreenId::Form6, make<Form6>());
    navigator.registerScreen(ScreenId::Form4, make<Form4>());
    navigator.registerScreen(ScreenId::Form8, make<Form8>());
    navigator.registerScreen(ScreenId::Form9, [](Navigator& navigator) {
        return std::make_unique<FactCardScreen>(navigator, FactKind::Division);
    });
    navigator.registerScreen(ScreenId::Form10, [](Navigator& navigator) {
        return std::make_unique<FactCardScreen>(navigator, FactKind::Multiplication);
    });
    navigator.registerScreen(ScreenId::Form3, make<Form3>());
}
