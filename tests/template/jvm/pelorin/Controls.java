package pelorin;

import static pelorin.Scenarios.SONG;
import static pelorin.Scenarios.button;
import static pelorin.Scenarios.expect;
import static pelorin.Scenarios.notification;
import static pelorin.Scenarios.playing;
import static pelorin.Scenarios.root;
import static pelorin.Scenarios.same;
import static pelorin.Scenarios.scenario;
import static pelorin.Scenarios.session;
import static pelorin.Scenarios.start;
import static pelorin.Scenarios.state;

import android.app.PendingIntent;
import java.util.Map;

/** The notification, the media session, foreground starts, and each API level's calls. */
final class Controls {
  private Controls() {}

  static final int IMMUTABLE = 0x04000000;

  static void define() {
    scenario("the notification's buttons act on the service", () -> {
      start(Albums.songs(root, 3, SONG), 34);
      Sim.page("select", 0);
      expect(Sim.foreground && Boolean.TRUE.equals(Sim.get(notification(), "setOngoing")), "playing in the foreground");
      same("playback", Sim.get(notification(), "channel"), "channel");
      same("晨光", Sim.get(notification(), "setSubText"), "album line");
      same("300x225", Sim.state(Sim.get(notification(), "setLargeIcon")).get("size"), "picture, sampled to 512 px at most");
      Sim.send(button("暂停"));
      same("music1.mp3 paused", playing(), "pause button");
      expect(!Sim.foreground && !Boolean.TRUE.equals(Sim.get(notification(), "setOngoing")), "paused: dismissible");
      Sim.send(button("播放"));
      Sim.send(button("下一首"));
      same("music2.mp3 playing", playing(), "next button");
      Sim.send(button("上一首"));
      same("music1.mp3 playing", playing(), "previous button");
      PendingIntent open = (PendingIntent) Sim.get(notification(), "setContentIntent");
      Sim.send(open);
      same("launcher of com.pelorin.album", Sim.activities.get(0), "tapping it opens the app");
      Sim.send((PendingIntent) Sim.get(notification(), "setDeleteIntent"));
      expect(!state().getBoolean("playing") && Sim.posted.isEmpty() && !Sim.serviceStarted, "dismissed: stopped, no notification");
    });

    scenario("a headset's buttons act through the media session", () -> {
      start(Albums.songs(root, 3, SONG), 34);
      Sim.page("select", 1);
      Map<String, Object> metadata = (Map<String, Object>) session("metadata");
      same("2", metadata.get("android.media.metadata.TITLE"), "session title");
      same("林间", metadata.get("android.media.metadata.ARTIST"), "session singer");
      same((long) SONG, metadata.get("android.media.metadata.DURATION"), "session duration");
      expect(metadata.get("android.media.metadata.ALBUM_ART") != null, "session art");
      same(0x337L, Sim.get(session("playbackState"), "actions"), "session actions");
      Sim.mediaButton("play_pause");
      same("music2.mp3 paused", playing(), "first press");
      same(2, Sim.get(session("playbackState"), "state"), "session paused");
      Sim.mediaButton("play_pause");
      same("music2.mp3 playing", playing(), "second press");
      Sim.mediaButton("next");
      same("music3.mp3 playing", playing(), "next");
    });

    scenario("a foreground start refused in the background does not crash", () -> {
      start(Albums.songs(root, 2, SONG), 34);
      Sim.page("select", 0);
      Sim.page("pause");
      Sim.inBackground = true;
      Sim.refuseForeground = true;
      Sim.mediaButton("play_pause");
      same("music1.mp3 playing", playing(), "headset resume");
      expect(!Sim.foreground && Sim.posted.containsKey(1), "a plain notification instead");
      Sim.refuseForeground = false;
      Sim.send(button("暂停"));
      Sim.send(button("停止"));
      Sim.page("resume");
      same("music1.mp3 playing", playing(), "resumed by the page after a stop, the service not startable");
    });

    // API level: focus requested and given up, a channel, immutable intents, the foreground type, session flags
    Object[][] levels = {
      {21, "requestAudioFocus/3 abandonAudioFocus/1", 0, false, -1, 3},
      {23, "requestAudioFocus/3 abandonAudioFocus/1", 0, true, -1, 3},
      {26, "requestAudioFocus/1 abandonAudioFocusRequest/1", 1, true, -1, null},
      {29, "requestAudioFocus/1 abandonAudioFocusRequest/1", 1, true, 2, null},
      {34, "requestAudioFocus/1 abandonAudioFocusRequest/1", 1, true, 2, null},
    };
    for (Object[] row : levels) {
      scenario("on API " + row[0] + " the shell uses only calls that API has", () -> {
        start(Albums.songs(root, 2, SONG), (int) row[0]);
        Sim.page("select", 0);
        Sim.page("pause");
        same(row[1], String.join(" ", Sim.focusCalls), "focus requested and given up");
        same(row[2], Sim.channels.size(), "notification channels");
        if (Sim.channels.size() == 1) {
          Map<String, Object> channel = Sim.state(Sim.channels.get(0));
          same("音乐播放 2", channel.get("name") + " " + channel.get("importance"), "channel name and importance");
        }
        int flags = (int) Sim.get(button("播放"), "flags");
        same(row[3], (flags & IMMUTABLE) != 0, "immutable intents");
        same(row[4], Sim.foregroundType, "foreground service type");
        same(row[5], session("flags"), "session flags");
      });
    }
  }
}
