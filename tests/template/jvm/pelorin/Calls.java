package pelorin;

import android.app.Notification;
import android.app.PendingIntent;
import android.content.BroadcastReceiver;
import android.content.Intent;
import android.content.ServiceConnection;
import android.graphics.BitmapFactory;
import android.media.MediaPlayer;
import android.os.Build;
import android.os.Message;
import java.io.FileNotFoundException;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/** What each platform call of the stand-ins does on the simulated phone. */
final class Calls {
  static final String PACKAGE = "com.pelorin.album";
  static final String LABEL = "晨光 专辑";

  private Calls() {}

  @SuppressWarnings("unchecked")
  static Object dispatch(Object self, String key, Object[] a) throws Exception {
    int dot = key.indexOf('.');
    String cls = key.substring(0, dot);
    String method = key.substring(dot + 1);
    Map<String, Object> s = self == null ? null : Sim.state(self);
    switch (cls) {
      case "MediaPlayer":
        return Players.call((MediaPlayer) self, method, a);

      case "Context":
        return context(self, method, a);

      case "Activity":
        switch (method) {
          case "moveTaskToBack": Sim.inBackground = true; return true;
          case "finish": s.put("finished", true); return null;
          default: s.put(method, a.length > 0 ? a[0] : true); return null;
        }

      case "Service":
        switch (method) {
          case "startForeground":
            if (Sim.refuseForeground) throw Sim.misuse("ForegroundServiceStartNotAllowedException: startForeground() not allowed");
            Sim.foreground = true;
            Sim.foregroundType = a.length == 3 ? (int) a[2] : -1;
            Sim.posted.put((Integer) a[0], (Notification) a[1]);
            return null;
          case "stopForeground":
            if (Sim.foreground && (boolean) a[0]) Sim.posted.remove(1);
            Sim.foreground = false;
            return null;
          case "stopSelf":
            Sim.serviceStarted = false;
            Sim.post(0, null, (Runnable) Sim::maybeDestroy);
            return null;
          default: return null;
        }

      case "Intent":
        if (method.equals("<init>")) s.put("component", a[1]);
        else if (method.equals("setAction")) s.put("action", a[0]);
        else if (method.equals("getAction")) return s.get("action");
        return null;
      case "IntentFilter": s.put("action", a[0]); return null;

      case "PackageManager":
        Intent launcher = new Intent(Sim.TOKEN);
        Sim.state(launcher).put("component", "launcher of " + a[0]);
        return launcher;
      case "PackageItemInfo": return LABEL;
      case "Resources":
        if (method.equals("getIdentifier")) {
          boolean known = "songs".equals(a[0]) && "raw".equals(a[1]) && PACKAGE.equals(a[2]);
          return known && Sim.album.resolve("res/raw/songs.json").toFile().isFile() ? 0x7f040000 : 0;
        }
        if ((int) a[0] != 0x7f040000) throw Sim.misuse("Resources$NotFoundException");
        return Sim.stream(Sim.read("res/raw/songs.json"));
      case "AssetManager": {
        String name = (String) a[0];
        byte[] bytes = Sim.read("assets/" + name);
        if (method.equals("open")) return Sim.stream(bytes);
        if (Sim.compressed.contains(name)) {
          throw new FileNotFoundException("This file can not be opened as a file descriptor; it is probably compressed");
        }
        android.content.res.AssetFileDescriptor afd = new android.content.res.AssetFileDescriptor(Sim.TOKEN);
        Sim.state(afd).put("path", name);
        Sim.state(afd).put("length", (long) bytes.length);
        Sim.openDescriptors++;
        Sim.opened.add(name);
        return afd;
      }
      case "AssetFileDescriptor":
        switch (method) {
          case "getFileDescriptor": return Sim.descriptor((String) s.get("path"));
          case "getStartOffset": return 0L;
          case "getLength": return s.get("length");
          default:
            if (s.put("closed", true) == null) Sim.openDescriptors--;
            return null;
        }

      case "Looper": return Sim.single("looper", () -> new android.os.Looper(Sim.TOKEN));
      case "Handler":
        switch (method) {
          case "<init>": s.put("callback", a[1]); return null;
          case "obtainMessage": {
            Message m = new Message(Sim.TOKEN);
            m.what = (int) a[0];
            m.arg1 = (int) a[1];
            m.obj = a[3];
            Sim.state(m).put("target", self);
            return m;
          }
          case "sendEmptyMessageDelayed": {
            Message m = new Message(Sim.TOKEN);
            m.what = (int) a[0];
            Sim.post((long) a[1], self, m);
            return true;
          }
          default: // removeMessages
            Sim.queue.removeIf(e -> e[2] == self && e[3] instanceof Message && ((Message) e[3]).what == (int) a[0]);
            return null;
        }
      case "Message":
        Sim.post(0, s.get("target"), self);
        return null;

      case "AudioManager":
        Sim.focusCalls.add(method + "/" + a.length);
        if (method.startsWith("request")) {
          Object listener = a.length == 1 ? Sim.get(a[0], "listener") : a[0];
          if (Sim.focusAnswer == 1) Sim.focusListener = listener;
          return Sim.focusAnswer;
        }
        Sim.focusListener = null;
        return 1;
      case "AudioFocusRequest$Builder":
        if (method.equals("setOnAudioFocusChangeListener")) s.put("listener", a[0]);
        if (method.equals("build")) {
          android.media.AudioFocusRequest r = new android.media.AudioFocusRequest(Sim.TOKEN);
          Sim.state(r).put("listener", s.get("listener"));
          return r;
        }
        return null;
      case "AudioAttributes$Builder":
        return method.equals("build") ? new android.media.AudioAttributes(Sim.TOKEN) : null;

      case "NotificationManager":
        switch (method) {
          case "notify": Sim.posted.put((Integer) a[0], (Notification) a[1]); return null;
          case "cancel": Sim.posted.remove((Integer) a[0]); return null;
          default: Sim.channels.add(a[0]); return null;
        }
      case "NotificationChannel":
        s.put("id", a[0]);
        s.put("name", a[1].toString());
        s.put("importance", a[2]);
        return null;
      case "Notification$Builder":
        switch (method) {
          case "<init>": s.put("channel", a.length == 2 ? a[1] : null); return null;
          case "addAction":
            ((List<Object[]>) s.computeIfAbsent("actions", k -> new ArrayList<Object[]>())).add(a);
            return null;
          case "build": {
            Notification n = new Notification(Sim.TOKEN);
            Sim.state(n).putAll(s);
            return n;
          }
          default: s.put(method, a[0]); return null;
        }
      case "Notification$MediaStyle":
        if (a.length == 1) s.put(method, a[0]);
        return null;
      case "PendingIntent": {
        PendingIntent p = new PendingIntent(Sim.TOKEN);
        Sim.state(p).put("kind", method.equals("getService") ? "service" : "activity");
        Sim.state(p).put("intent", a[2]);
        Sim.state(p).put("flags", a[3]);
        return p;
      }

      case "MediaSession":
        switch (method) {
          case "<init>": Sim.session = self; return null;
          case "getSessionToken": return Sim.single("token", () -> new android.media.session.MediaSession.Token(Sim.TOKEN));
          case "setMetadata": s.put("metadata", Sim.get(a[0], "data")); return null;
          case "setPlaybackState": s.put("playbackState", a[0]); return null;
          case "release": s.put("released", true); return null;
          default: s.put(method.substring(3, 4).toLowerCase() + method.substring(4), a[0]); return null;
        }
      case "MediaMetadata$Builder":
        if (method.equals("build")) {
          android.media.MediaMetadata m = new android.media.MediaMetadata(Sim.TOKEN);
          Sim.state(m).put("data", new HashMap<>((Map<String, Object>) s.getOrDefault("data", new HashMap<>())));
          return m;
        }
        if (a.length == 2) ((Map<String, Object>) s.computeIfAbsent("data", k -> new HashMap<String, Object>())).put((String) a[0], a[1]);
        return null;
      case "PlaybackState$Builder":
        if (method.equals("setState")) { s.put("state", a[0]); s.put("position", a[1]); s.put("speed", a[2]); }
        if (method.equals("setActions")) s.put("actions", a[0]);
        if (method.equals("build")) {
          android.media.session.PlaybackState p = new android.media.session.PlaybackState(Sim.TOKEN);
          Sim.state(p).putAll(s);
          return p;
        }
        return null;

      case "BitmapFactory": {
        BitmapFactory.Options o = (BitmapFactory.Options) a[2];
        String[] words = Sim.text(((java.io.InputStream) a[0]).readAllBytes()).trim().split("[ x]");
        if (words.length != 3 || !words[0].equals("PICTURE")) { o.outWidth = -1; o.outHeight = -1; return null; }
        o.outWidth = Integer.parseInt(words[1]);
        o.outHeight = Integer.parseInt(words[2]);
        if (o.inJustDecodeBounds) return null;
        android.graphics.Bitmap b = new android.graphics.Bitmap(Sim.TOKEN);
        int sample = Math.max(1, o.inSampleSize);
        Sim.state(b).put("size", (o.outWidth / sample) + "x" + (o.outHeight / sample));
        return b;
      }

      case "WebView":
        if (Thread.currentThread() != Sim.mainThread) throw Sim.misuse("a WebView method was called off the main thread");
        if (Boolean.TRUE.equals(s.get("destroyed"))) throw Sim.misuse("WebView." + method + " after destroy()");
        switch (method) {
          case "getSettings": return Sim.single("settings " + System.identityHashCode(self), () -> new android.webkit.WebSettings(Sim.TOKEN));
          case "addJavascriptInterface": Sim.bridge = a[0]; return null;
          case "evaluateJavascript": Sim.page.add((String) a[0]); return null;
          case "destroy": s.put("destroyed", true); return null;
          default: return null;
        }
      default:
        if (s != null && a.length == 1) s.put(method, a[0]);
        return null;
    }
  }

  private static Object context(Object self, String method, Object[] a) throws Exception {
    switch (method) {
      case "getPackageName": return PACKAGE;
      case "getApplicationInfo": return new android.content.pm.ApplicationInfo(Sim.TOKEN);
      case "getPackageManager": return Sim.single("pm", () -> new android.content.pm.PackageManager(Sim.TOKEN));
      case "getResources": return Sim.single("resources", () -> new android.content.res.Resources(Sim.TOKEN));
      case "getAssets": return Sim.single("assets", () -> new android.content.res.AssetManager(Sim.TOKEN));
      case "getSharedPreferences": return Sim.sharedPreferences((String) a[0]);
      case "getSystemService":
        if ("audio".equals(a[0])) return Sim.single("audio", () -> new android.media.AudioManager(Sim.TOKEN));
        if ("notification".equals(a[0])) return Sim.single("notification", () -> new android.app.NotificationManager(Sim.TOKEN));
        return null;
      case "startService": return Sim.startService((Intent) a[0], false);
      case "bindService": {
        ServiceConnection connection = (ServiceConnection) a[1];
        android.app.Service service = Sim.ensureService((Intent) a[0]);
        Sim.connections.add(connection);
        Sim.post(0, null, (Runnable) () -> connection.onServiceConnected(new android.content.ComponentName(Sim.TOKEN), service.onBind((Intent) a[0])));
        return true;
      }
      case "unbindService":
        if (!Sim.connections.remove(a[0])) throw new IllegalArgumentException("Service not registered");
        Sim.maybeDestroy();
        return null;
      case "registerReceiver":
        if (Sim.receivers.containsKey(a[0])) throw Sim.misuse("receiver registered twice");
        Sim.receivers.put((BroadcastReceiver) a[0], (String) Sim.get(a[1], "action"));
        return null;
      case "unregisterReceiver":
        if (Sim.receivers.remove(a[0]) == null) throw new IllegalArgumentException("Receiver not registered");
        return null;
      default: throw Sim.misuse("Context." + method + " is not simulated");
    }
  }
}
