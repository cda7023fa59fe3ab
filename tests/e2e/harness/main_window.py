# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""The program's main window as the accessibility bus shows it: a page
object that finds each control where the layout table puts it."""

import re

from .pixels import GOLD, screen_colour_count
from .processes import wait_for
from .tables import CONTROLS, text
from .user_input import click, press

CLIENT_WIDTH = 798


def shows_rate(shown, won, played):
    """Whether a rate shown in French ("33,3%") is won/played's, to its tenth."""
    match = re.fullmatch(r"(\d+),(\d)%", shown)
    return bool(match) and abs(float("%s.%s" % match.groups()) - 100 * won / played) <= 0.05001


def shown_frame(pyatspi, program, title):
    """The program's window of this title as the accessibility bus shows it,
    or None while there is none."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == program.pid:
            for frame in app:
                if frame is not None and frame.name == title \
                        and frame.getState().contains(pyatspi.STATE_SHOWING):
                    return frame
    return None


class MainWindow:
    """The program's main window as the accessibility bus shows it."""

    def __init__(self, pyatspi, frame, scale=1.0):
        self.pyatspi = pyatspi
        self.frame = frame
        self.scale = scale
        self.client = next(child for child in frame
                           if child is not None and child.getRoleName() == "filler")
        # Some Qt versions give the bus device-independent pixels on a scaled
        # screen; the client area's width tells which.
        self.unit = 1.0
        if abs(self.extents(self.client)[2] - CLIENT_WIDTH) <= 1:
            self.unit = scale

    @property
    def origin(self):
        """The client area's corner, read afresh: the window may still move
        into the screen's free area once it is framed."""
        return self.extents(self.client)[:2]

    def extents(self, node):
        box = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return tuple(round(self.unit * v) for v in (box.x, box.y, box.width, box.height))

    def control(self, name):
        """The control the layout puts at this place."""
        wanted = [round(self.scale * v) for v in CONTROLS[name]]

        def find():
            origin = self.origin
            for child in self.client:
                x, y, _, _ = self.extents(child)
                if abs(x - origin[0] - wanted[0]) <= 1 and abs(y - origin[1] - wanted[1]) <= 1:
                    return child
            return None

        return wait_for(find, name + " where the layout puts it")

    def text(self, name):
        return self.control(name).name

    def has_state(self, name, state):
        return self.control(name).getState().contains(state)

    def coins_shown(self):
        """Whether the coins' gold shows on the screen where the win picture
        stands."""
        x, y = self.origin
        left, top, width, height = CONTROLS["Image1"]
        return screen_colour_count((x + left, y + top, width, height), GOLD) > 1000

    def reels(self):
        return [self.text("Label%d" % reel) for reel in (1, 2, 3)]

    def press_jouer_with_the_keyboard(self):
        """Space on Jouer, then Tab: once the focus shows on Fin, the space
        before it has been handled, since the keys reach the program in
        order; Shift+Tab brings the focus back to Jouer."""
        focused = self.pyatspi.STATE_FOCUSED
        press("space", "Tab")
        wait_for(lambda: self.has_state("Command2", focused), "the focus on Fin")
        press("shift+Tab")
        wait_for(lambda: self.has_state("Command1", focused), "the focus back on Jouer")

    def press_jouer_through_the_bus(self):
        """Jouer's action, as a screen reader's user does it: the button
        shows pressed until its click is over, and the program answers the
        bus between events only, so once it no longer shows pressed the game
        has been played."""
        self.control("Command1").queryAction().doAction(0)
        wait_for(lambda: not self.has_state("Command1", self.pyatspi.STATE_PRESSED),
                 "Jouer's click to be over")

    def next_game(self, press_jouer, played, won):
        """Presses Jouer once as `press_jouer` does, returning once the
        program has handled it, after `played` games of which `won` were
        won; checks the new game's reels and win rate and returns those reels
        and the games won so far."""
        press_jouer()
        reels = self.reels()
        assert all(re.fullmatch(r"[0-9]", reel) for reel in reels), reels
        won += "7" in reels
        assert shows_rate(self.text("lblRate"), won, played + 1), \
            (played + 1, won, self.text("lblRate"))
        return reels, won

    def picture_shown(self):
        """Whether the win picture shows; a screen reader finds it by its name
        then, and without a name while it is hidden."""
        picture = next(child for child in self.client
                       if child is not None and child.getRoleName() == "image")
        shown = picture.getState().contains(self.pyatspi.STATE_SHOWING)
        assert picture.name == (text("picture") if shown else ""), picture.name
        return shown

    def centre(self, node):
        x, y, width, height = self.extents(node)
        return x + width // 2, y + height // 2

    def menu(self, title):
        bar = next(child for child in self.frame
                   if child is not None and child.getRoleName() == "menu bar")
        return next(item for item in bar if item.name == title)

    def open_menu_entry(self, title, entry):
        menu = self.menu(title)
        click(*self.centre(menu))
        popup = menu[0]
        wait_for(lambda: popup.getState().contains(self.pyatspi.STATE_SHOWING), "menu " + title)
        item = next(child for child in popup if child.name == entry)
        wait_for(lambda: self.extents(item)[2] > 0 and self.extents(item)[0] > 0, entry)
        click(*self.centre(item))
