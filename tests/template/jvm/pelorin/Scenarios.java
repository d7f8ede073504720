package pelorin;

import android.app.Notification;
import android.app.PendingIntent;
import android.media.MediaPlayer;
import com.pelorin.player.MainActivity;
import java.lang.reflect.Method;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.TreeSet;
import org.json.JSONObject;

/**
 * Lifecycle and playback scenarios driven through the shell's own classes on
 * the simulated phone. Prints "ok <name>" or "not ok <name>" and why, per
 * scenario (a tab before the reason). Songs last 180 s unless said otherwise.
 */
public final class Scenarios {
  interface Body { void run() throws Exception; }

  static final Map<String, Body> TABLE = new LinkedHashMap<>();
  static Path root;
  static final int SONG = 180000;

  public static void main(String[] args) {
    root = Paths.get(args[0]);
    Playback.define();
    Controls.define();
    Lifecycle.define();
    for (Map.Entry<String, Body> e : TABLE.entrySet()) {
      try {
        e.getValue().run();
        System.out.println("ok " + e.getKey());
      } catch (Throwable t) {
        Throwable cause = t;
        while (cause.getCause() != null) cause = cause.getCause();
        StackTraceElement at = cause.getStackTrace().length > 0 ? cause.getStackTrace()[0] : null;
        System.out.println("not ok " + e.getKey() + "\t" + cause + (at == null ? "" : " at " + at));
      }
    }
  }

  static void scenario(String name, Body body) {
    TABLE.put(name, body);
  }

  static void expect(boolean condition, String what) {
    if (!condition) throw new AssertionError(what);
  }

  static void same(Object expected, Object actual, String what) {
    if (!String.valueOf(expected).equals(String.valueOf(actual))) throw new AssertionError(what + ": expected " + expected + ", got " + actual);
  }

  // ---- driving the phone -------------------------------------------------------------
  static MainActivity start(Path album, int sdk) throws Exception {
    Sim.reset(album, sdk);
    return launch();
  }

  /** The launcher icon: a new activity, bound to the service, its page loaded. */
  static MainActivity launch() throws Exception {
    MainActivity activity = new MainActivity();
    lifecycle(activity, "onCreate", android.os.Bundle.class, null);
    Sim.run();
    expect(Sim.bridge != null, "the page has window.NativePlayer");
    return activity;
  }

  static void destroy(MainActivity activity) throws Exception {
    lifecycle(activity, "onDestroy", null, null);
    Sim.run();
  }

  static void lifecycle(Object activity, String name, Class<?> type, Object arg) throws Exception {
    Method m = type == null ? activity.getClass().getDeclaredMethod(name) : activity.getClass().getDeclaredMethod(name, type);
    m.setAccessible(true);
    if (type == null) m.invoke(activity);
    else m.invoke(activity, arg);
  }

  static JSONObject state() throws Exception {
    return new JSONObject((String) Sim.page("state"));
  }

  static JSONObject lastEvent() throws Exception {
    List<String> events = Sim.events();
    expect(!events.isEmpty(), "the page got an event");
    return new JSONObject(events.get(events.size() - 1));
  }

  /** Events of one kind since `from`, as their song indices. */
  static List<Integer> events(int from, String kind, String field) throws Exception {
    List<Integer> out = new ArrayList<>();
    List<String> all = Sim.events();
    for (String e : all.subList(from, all.size())) {
      JSONObject o = new JSONObject(e);
      if (kind.equals(o.optString("event"))) out.add(o.getInt(field));
    }
    return out;
  }

  static MediaPlayer player() {
    return Sim.players.get(Sim.players.size() - 1);
  }

  /** The asset the player holds, and whether it plays: "music2.mp3 playing". */
  static String playing() {
    Map<String, Object> s = Sim.state(player());
    String path = String.valueOf(s.get("path"));
    return path.substring(path.lastIndexOf('/') + 1) + (Players.playing(player()) ? " playing" : " " + s.get("state"));
  }

  static Notification notification() {
    return Sim.posted.get(1);
  }

  static PendingIntent button(String label) {
    @SuppressWarnings("unchecked")
    List<Object[]> actions = (List<Object[]>) Sim.get(notification(), "actions");
    for (Object[] action : actions) if (label.equals(action[1].toString())) return (PendingIntent) action[2];
    throw new AssertionError("no button " + label);
  }

  static Object session(String key) {
    return Sim.get(Sim.session, key);
  }

  static TreeSet<Integer> range(int n) {
    TreeSet<Integer> all = new TreeSet<>();
    for (int k = 0; k < n; k++) all.add(k);
    return all;
  }
}
