package pelorin;

import static pelorin.Scenarios.SONG;
import static pelorin.Scenarios.expect;
import static pelorin.Scenarios.playing;
import static pelorin.Scenarios.player;
import static pelorin.Scenarios.root;
import static pelorin.Scenarios.same;
import static pelorin.Scenarios.scenario;
import static pelorin.Scenarios.start;
import static pelorin.Scenarios.state;

import java.nio.file.Path;
import java.util.List;
import java.util.TreeSet;
import org.json.JSONObject;

/** The queue, the play modes, audio focus, noisy audio and bad input. */
final class Playback {
  private Playback() {}

  static void define() {
    // mode, what follows the last of three songs
    String[][] lastSong = {{"all", "music1.mp3 playing"}, {"one", "music3.mp3 playing"}, {"off", "music3.mp3 completed"}};
    for (String[] row : lastSong) {
      scenario("the last song with repeat " + row[0], () -> {
        start(Albums.songs(root, 3, SONG), 34);
        Sim.page("setRepeat", row[0]);
        Sim.page("select", 2);
        Sim.advance(SONG + 5);
        same(row[1], playing(), "after the last song");
        JSONObject last = Scenarios.lastEvent();
        same(row[0].equals("off") ? "ended" : "song", last.getString("event"), "event");
        same(row[0], state().getString("repeat"), "repeat mode");
        if (row[0].equals("off")) {
          expect(!Sim.foreground && !Players.holdsWakeLock(player()), "out of the foreground, no wake lock");
          expect(Sim.receivers.isEmpty(), "no noisy receiver after the album ended");
          expect(Sim.posted.containsKey(1) && !Boolean.TRUE.equals(Sim.get(Scenarios.notification(), "setOngoing")),
              "the notification stays, dismissible");
        }
      });
    }

    scenario("shuffle plays each song once, starting with the chosen one", () -> {
      start(Albums.songs(root, 6, SONG), 34);
      Sim.page("setShuffle", true);
      Sim.page("setRepeat", "off");
      int from = Sim.events().size();
      Sim.page("select", 4);
      for (int k = 0; k < 6; k++) Sim.advance(SONG);
      List<Integer> songs = Scenarios.events(from, "song", "index");
      same(4, songs.get(0), "first song");
      same(6, songs.size(), "songs played");
      same(Scenarios.range(6), new TreeSet<>(songs), "each song once");
      same("ended", Scenarios.lastEvent().getString("event"), "then the album ends");
    });

    scenario("previous restarts a song after 3 s, else goes back", () -> {
      start(Albums.songs(root, 3, SONG), 34);
      Sim.page("select", 1);
      Sim.advance(4000);
      Sim.page("previous");
      same("music2.mp3 playing", playing(), "after 4 s");
      expect(Players.position(player()) < 100, "from its start");
      Sim.page("previous");
      same("music1.mp3 playing", playing(), "at its start");
    });

    // focus change, then: playing after it, volume, playing after focus is back
    Object[][] focus = {{-1, false, 1.0f, false}, {-2, false, 1.0f, true}, {-3, true, 0.2f, true}};
    for (Object[] row : focus) {
      scenario("audio focus change " + row[0], () -> {
        start(Albums.songs(root, 2, SONG), 34);
        Sim.page("select", 0);
        android.media.AudioManager.OnAudioFocusChangeListener holder =
            (android.media.AudioManager.OnAudioFocusChangeListener) Sim.focusListener;
        Sim.focus((int) row[0]);
        same(row[1], Players.playing(player()), "playing after the change");
        same(row[2], Sim.state(player()).getOrDefault("volume", 1.0f), "volume");
        Sim.focusListener = holder;
        Sim.focus(1);
        same(row[3], Players.playing(player()), "playing when focus is back");
        same(1.0f, Sim.state(player()).getOrDefault("volume", 1.0f), "volume when focus is back");
      });
    }

    scenario("a refused focus request does not play", () -> {
      start(Albums.songs(root, 2, SONG), 34);
      Sim.focusAnswer = 0;
      Sim.page("select", 1);
      same("music2.mp3 prepared", playing(), "loaded, not playing");
      same(false, state().getBoolean("playing"), "state");
    });

    scenario("headphones unplugged pause; the receiver is gone while paused", () -> {
      start(Albums.songs(root, 2, SONG), 34);
      Sim.page("select", 0);
      expect(Sim.receivers.containsValue("android.media.AUDIO_BECOMING_NOISY"), "listening while playing");
      Sim.broadcast("android.media.AUDIO_BECOMING_NOISY");
      same("music1.mp3 paused", playing(), "after the broadcast");
      same("paused", Scenarios.lastEvent().getString("event"), "event");
      expect(Sim.receivers.isEmpty(), "not listening while paused");
      Sim.page("resume");
      Sim.page("pause");
      Sim.page("resume");
      same(1, Sim.receivers.size(), "registered once");
    });

    // what is wrong with song 2 of 4
    String[][] bad = {{"an empty file", ""}, {"an undecodable file", "garbage"}, {"a missing file", "-"},
      {"a compressed file", "AUDIO 1000"}, {"a failure while playing", "ERROR 60000"}};
    for (String[] row : bad) {
      scenario("song 2 is " + row[0] + ": reported, and the next one plays", () -> {
        Path album = Albums.make(root, "1|AUDIO " + SONG, "2|" + row[1], "3|AUDIO " + SONG, "4|AUDIO " + SONG);
        start(album, 34);
        if (row[0].contains("compressed")) Sim.compressed.add("music/music2.mp3");
        int from = Sim.events().size();
        Sim.page("select", 1);
        Sim.advance(60000);
        same(List.of(1), Scenarios.events(from, "failed", "failed"), "failed events");
        same("music3.mp3 playing", playing(), "then");
        same(0, Sim.openDescriptors, "asset descriptors left open");
      });
    }

    scenario("an album of nothing playable stops after one round", () -> {
      start(Albums.make(root, "1|", "2|garbage", "3|-"), 34);
      int from = Sim.events().size();
      Sim.page("resume");
      Sim.advance(1000);
      same(List.of(0, 1, 2), Scenarios.events(from, "failed", "failed"), "failed events");
      same("ended", Scenarios.lastEvent().getString("event"), "then");
      expect(!state().getBoolean("playing") && !Sim.foreground, "not playing");
    });

    // catalogue text, songs the service reads from it
    Object[][] catalogues = {
      {"a title with a quote (not valid JSON)", null, 3},
      {"text that is no catalogue", "\ufeff<html>", 0},
      {"an empty list", "\ufeff[\r\n]\r\n", 0},
      {"no catalogue at all", "", 0},
    };
    for (Object[] row : catalogues) {
      scenario("the catalogue is " + row[0], () -> {
        Path album = Albums.make(root, "Say \"Hi\"|AUDIO " + SONG, "2|AUDIO " + SONG, "3|AUDIO " + SONG);
        if ("".equals(row[1])) java.nio.file.Files.delete(album.resolve("res/raw/songs.json"));
        else if (row[1] != null) Albums.catalogue(album, (String) row[1]);
        start(album, 34);
        Sim.page("resume");
        Sim.page("select", 2);
        Sim.page("next");
        int songs = (int) row[2];
        JSONObject s = state();
        same(songs == 0 ? -1 : 0, s.getInt("index"), "index after select(2) and next");
        same(songs > 0, s.getBoolean("playing"), "playing");
        if (songs > 0) same("Say \"Hi\"", Sim.get(Scenarios.notification(), "setContentTitle"), "title in the notification");
      });
    }

    scenario("500 songs", () -> {
      start(Albums.songs(root, 500, SONG), 34);
      Sim.page("select", 499);
      same("music500.mp3 playing", playing(), "the last one");
      Sim.page("next");
      same("music1.mp3 playing", playing(), "next wraps");
      Sim.page("setShuffle", true);
      Sim.page("setRepeat", "off");
      int from = Sim.events().size();
      for (int k = 0; k < 500; k++) Sim.advance(SONG);
      same(499, Scenarios.events(from, "song", "index").size(), "the other songs played once each");
    });
  }
}
