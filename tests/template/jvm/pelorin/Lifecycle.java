package pelorin;

import static pelorin.Scenarios.SONG;
import static pelorin.Scenarios.destroy;
import static pelorin.Scenarios.expect;
import static pelorin.Scenarios.launch;
import static pelorin.Scenarios.playing;
import static pelorin.Scenarios.player;
import static pelorin.Scenarios.root;
import static pelorin.Scenarios.same;
import static pelorin.Scenarios.scenario;
import static pelorin.Scenarios.start;
import static pelorin.Scenarios.state;

import com.pelorin.player.MainActivity;
import java.nio.file.Path;
import org.json.JSONObject;

/** The activity as a view: screen off, Back, made again; resuming after a restart. */
final class Lifecycle {
  private Lifecycle() {}

  static void define() {
    scenario("screen off: the next song starts with no page involved", () -> {
      start(Albums.songs(root, 3, SONG), 34);
      Sim.page("select", 0);
      expect(Sim.foreground && Sim.foregroundType == 2, "a media playback foreground service");
      expect(Players.holdsWakeLock(player()), "the CPU kept awake while playing");
      // the page is frozen from here: nothing calls the bridge
      Sim.advance(2 * SONG + 10);
      same("music3.mp3 playing", playing(), "two songs later");
      same(2, Scenarios.lastEvent().getInt("index"), "the page is told when it wakes");
    });

    scenario("Back sends the app to the background and the music goes on", () -> {
      MainActivity activity = start(Albums.songs(root, 2, SONG), 34);
      Sim.page("select", 0);
      activity.onBackPressed();
      expect(Sim.inBackground && !Boolean.TRUE.equals(Sim.get(activity, "finished")), "moved to the back, not finished");
      Sim.advance(SONG + 5);
      same("music2.mp3 playing", playing(), "still playing");
    });

    scenario("an activity destroyed and made again shows the song that plays", () -> {
      MainActivity first = start(Albums.songs(root, 3, SONG), 34);
      Sim.page("select", 1);
      Sim.advance(20000);
      destroy(first);
      expect(Sim.service != null && Sim.connections.isEmpty(), "the started service outlives its activity");
      Sim.advance(5000);
      launch();
      JSONObject shown = Scenarios.lastEvent();
      same("1 true", shown.getInt("index") + " " + shown.getBoolean("playing"), "the new page's first event");
      same(25000, state().getInt("position"), "position");
    });

    scenario("a restart resumes the song, position and mode, paused", () -> {
      start(Albums.songs(root, 3, SONG), 34);
      Sim.page("setRepeat", "one");
      Sim.page("setShuffle", true);
      Sim.page("select", 2);
      Sim.page("seek", 60000);
      Sim.advance(5000);
      Sim.page("pause");
      Sim.restartProcess();
      launch();
      JSONObject s = state();
      same("2 false 65000 one true", s.getInt("index") + " " + s.getBoolean("playing") + " " + s.getInt("position")
          + " " + s.getString("repeat") + " " + s.getBoolean("shuffle"), "restored state");
      Sim.page("resume");
      same("music3.mp3 playing", playing(), "resume");
      expect(Players.position(player()) == 65000, "from the saved position");
    });

    scenario("a process killed while playing resumes near where it was", () -> {
      start(Albums.songs(root, 3, SONG), 34);
      Sim.page("select", 1);
      Sim.advance(25000);
      Sim.restartProcess();
      launch();
      same("1 20000", state().getInt("index") + " " + state().getInt("position"), "saved every 10 s");
    });

    // how the album changed between two starts
    String[][] changes = {{"the saved song was removed", "3"}, {"another song is at the saved place", "5"}};
    for (String[] row : changes) {
      scenario("a restart after " + row[0] + " chooses no song", () -> {
        Path album = Albums.songs(root, 5, SONG);
        start(album, 34);
        Sim.page("select", 4);
        Sim.page("pause");
        String[] songs = new String[Integer.parseInt(row[1])];
        for (int k = 0; k < songs.length; k++) songs[k] = "new " + k + "|AUDIO " + SONG;
        Path rebuilt = Albums.make(root, songs);
        Sim.album = rebuilt;
        Sim.restartProcess();
        launch();
        JSONObject s = state();
        same("-1 0 false", s.getInt("index") + " " + s.getInt("position") + " " + s.getBoolean("playing"), "state");
        Sim.page("resume");
        same("music1.mp3 playing", playing(), "resume starts the first song");
      });
    }
  }
}
