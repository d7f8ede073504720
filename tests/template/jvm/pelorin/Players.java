package pelorin;

import android.media.MediaPlayer;
import java.io.IOException;
import java.util.Map;

/**
 * MediaPlayer as the shell meets it: the state machine (a call in a state
 * that does not allow it is an error here), playing over simulated time,
 * completion and errors while playing. A stored asset "plays" when its text
 * is "AUDIO <ms>" (that long) or "ERROR <ms>" (fails after that long);
 * anything else, or nothing, cannot be prepared.
 */
final class Players {
  private Players() {}

  static Object call(MediaPlayer self, String method, Object[] a) throws IOException {
    Map<String, Object> s = Sim.state(self);
    String state = (String) s.getOrDefault("state", "idle");
    switch (method) {
      case "<init>": s.put("state", "idle"); Sim.players.add(self); return null;
      case "setOnCompletionListener": s.put("completion", a[0]); return null;
      case "setOnErrorListener": s.put("error", a[0]); return null;
      case "setWakeMode": s.put("wakeMode", a[1]); return null;
      case "setVolume": s.put("volume", a[0]); return null;
      case "setAudioAttributes":
        need(state, "idle initialized");
        s.put("attributes", a[0]);
        return null;
      case "reset": {
        need(state, "idle initialized prepared started paused completed error");
        Map<String, Object> kept = keep(s);
        s.clear();
        s.putAll(kept);
        s.put("state", "idle");
        return null;
      }
      case "setDataSource":
        need(state, "idle");
        s.put("path", Sim.get(a[0], "path"));
        s.put("state", "initialized");
        return null;
      case "prepare": {
        need(state, "initialized");
        String text = Sim.text(Sim.read("assets/" + s.get("path"))).trim();
        String[] words = text.split(" ");
        if (words.length != 2 || !(words[0].equals("AUDIO") || words[0].equals("ERROR"))) {
          s.put("state", "error");
          throw new IOException("Prepare failed.: status=0x1");
        }
        s.put("duration", Integer.parseInt(words[1]));
        s.put("failsAt", words[0].equals("ERROR") ? Integer.parseInt(words[1]) / 2 : -1);
        s.put("position", 0);
        s.put("state", "prepared");
        return null;
      }
      case "start":
        need(state, "prepared paused completed started");
        if (state.equals("completed")) s.put("position", 0);
        if (!state.equals("started")) s.put("since", Sim.now);
        s.put("state", "started");
        return null;
      case "pause":
        need(state, "started paused");
        s.put("position", position(self));
        s.put("state", "paused");
        return null;
      case "seekTo":
        need(state, "prepared started paused completed");
        s.put("position", Math.min((int) a[0], Sim.i(s.get("duration"))));
        s.put("since", Sim.now);
        return null;
      case "getCurrentPosition": need(state, "prepared started paused completed"); return position(self);
      case "getDuration": need(state, "prepared started paused completed"); return s.get("duration");
      case "release": s.put("state", "released"); return null;
      default: throw Sim.misuse("MediaPlayer." + method + " is not simulated");
    }
  }

  private static Map<String, Object> keep(Map<String, Object> s) {
    Map<String, Object> kept = new java.util.HashMap<>();
    for (String k : new String[] {"completion", "error", "wakeMode", "volume"}) if (s.containsKey(k)) kept.put(k, s.get(k));
    return kept;
  }

  private static void need(String state, String allowed) {
    if (!(" " + allowed + " ").contains(" " + state + " ")) throw Sim.misuse("MediaPlayer call in state " + state);
  }

  static int position(MediaPlayer p) {
    Map<String, Object> s = Sim.state(p);
    int at = Sim.i(s.get("position"));
    if ("started".equals(s.get("state"))) at += (int) (Sim.now - (long) s.get("since"));
    return Math.min(at, Sim.i(s.get("duration")));
  }

  static boolean playing(MediaPlayer p) {
    return "started".equals(Sim.state(p).get("state"));
  }

  /** The wake lock of setWakeMode is held while the player plays. */
  static boolean holdsWakeLock(MediaPlayer p) {
    return playing(p) && Sim.i(Sim.state(p).get("wakeMode")) == 1;
  }

  /** When a playing player next ends or fails, or null. */
  static Long eventTime(MediaPlayer p) {
    if (!playing(p)) return null;
    Map<String, Object> s = Sim.state(p);
    int failsAt = Sim.i(s.get("failsAt"));
    int until = failsAt >= 0 ? failsAt : Sim.i(s.get("duration"));
    return (long) s.get("since") + Math.max(0, until - Sim.i(s.get("position")));
  }

  static void fire(MediaPlayer p) {
    Map<String, Object> s = Sim.state(p);
    if (Sim.i(s.get("failsAt")) >= 0) {
      s.put("state", "error");
      boolean handled = ((MediaPlayer.OnErrorListener) s.get("error")).onError(p, 1, -1004);
      if (!handled) ((MediaPlayer.OnCompletionListener) s.get("completion")).onCompletion(p);
      return;
    }
    s.put("position", s.get("duration"));
    s.put("state", "completed");
    ((MediaPlayer.OnCompletionListener) s.get("completion")).onCompletion(p);
  }
}
